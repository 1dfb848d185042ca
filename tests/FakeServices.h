// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Platform.h"

#include <QList>
#include <QStringList>

#include <cmath>
#include <functional>

// A clock that only moves when the game sleeps or a test advances it.
class FakeClock : public Clock
{
public:
    double now = 36000.0;  // ten in the morning
    qint64 day = 0;        // grows at every midnight passed
    double steady = 5000.0;  // the time that really passed, from any moment
    double slept = 0.0;
    std::function<void()> onSleep;
    double secondsSinceMidnight() override { return now; }
    double steadySeconds() override { return steady; }
    void sleep(double seconds) override
    {
        if (onSleep)
            onSleep();
        slept += seconds;
        advance(seconds);
    }
    // Time passes.
    void advance(double seconds)
    {
        steady += seconds;
        setTimeOfDay(seconds);
    }
    // The time of day is set on, or back for a negative step, across
    // midnights, while no time passes.
    void setTimeOfDay(double seconds)
    {
        const double total = now + seconds;
        const double days = std::floor(total / 86400.0);
        day += static_cast<qint64>(days);
        now = total - days * 86400.0;
    }
};

// Plays back a queue of numbers, then a default.
class FakeRandom : public RandomSource
{
public:
    QList<double> queue;
    double fallback = 0.0;
    double next() override { return queue.isEmpty() ? fallback : queue.takeFirst(); }
};

class FakeSound : public SoundPlayer
{
public:
    QStringList played;
    QStringList *log = nullptr;  // shared with the window, to check the order
    std::function<void(const QString &)> onPlay;
    void play(const QString &fileName) override
    {
        played.append(fileName);
        if (onPlay)
            onPlay(fileName);
        if (log)
            log->append(QStringLiteral("sound ") + fileName);
    }
};
