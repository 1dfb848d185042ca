// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SystemServices.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QTime>

#include <cerrno>
#include <ctime>

double SystemClock::secondsSinceMidnight()
{
    // The time of day from the system clock and the offset of local time
    // from UTC. The offset is looked up again once a second at most: the
    // look-up reads the time-zone file, and the pause reads the clock often.
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec != m_offsetSecond) {
        tzset();
        tm local{};
        const time_t seconds = now.tv_sec;
        localtime_r(&seconds, &local);
        m_offset = local.tm_gmtoff;
        m_offsetSecond = now.tv_sec;
    }
    constexpr qint64 day = 86400;
    const qint64 local = qint64(now.tv_sec) + m_offset;
    const qint64 days = local >= 0 ? local / day : -((-local + day - 1) / day);
    return double(local - days * day) + now.tv_nsec / 1e9;
}

double SystemClock::steadySeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

void SystemClock::sleep(double seconds)
{
    if (!(seconds > 0))
        return;
    // One sleep to a fixed moment; a signal that wakes it early only resumes it.
    timespec until{};
    clock_gettime(CLOCK_MONOTONIC, &until);
    const qint64 total = until.tv_nsec + static_cast<qint64>(seconds * 1e9);
    until.tv_sec += total / 1000000000;
    until.tv_nsec = total % 1000000000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

SystemRandom::SystemRandom()
{
    m_since.start();
}

double SystemRandom::next()
{
    const quint64 timeOfDay = static_cast<quint64>(QTime::currentTime().msecsSinceStartOfDay());
    const quint64 fine = static_cast<quint64>(m_since.nsecsElapsed());
    const quint32 seeds[] = {quint32(timeOfDay), quint32(fine), quint32(fine >> 32), quint32(++m_draws)};
    QRandomGenerator generator(seeds, seeds + 4);
    return generator.generateDouble();
}
