#include "SystemServices.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QThread>
#include <QTime>

double SystemClock::secondsSinceMidnight()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_day = now.date().toJulianDay();
    return now.time().msecsSinceStartOfDay() / 1000.0;
}

qint64 SystemClock::dayNumber() const
{
    return m_day;
}

void SystemClock::sleep(double seconds)
{
    if (seconds > 0)
        QThread::usleep(static_cast<unsigned long>(seconds * 1e6));
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
