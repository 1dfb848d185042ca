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
    double slept = 0.0;
    double secondsSinceMidnight() override { return now; }
    qint64 dayNumber() const override { return day; }
    void sleep(double seconds) override
    {
        slept += seconds;
        advance(seconds);
    }
    void advance(double seconds)
    {
        const double total = now + seconds;
        day += static_cast<qint64>(std::floor(total / 86400.0));
        now = std::fmod(total, 86400.0);
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
