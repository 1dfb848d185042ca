// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The outside world as the engine sees it. Real implementations live with the
// application; tests plug in fakes so a whole game runs in milliseconds.

// Time of day, the time that passes, and sleeping.
class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with a fractional part; starts again at 0 at midnight.
    virtual double secondsSinceMidnight() = 0;
    // Seconds on a clock that only goes on at the pace of real time, from
    // any fixed moment: a change of the time of day (summer time, a manual
    // change, a correction from the network), either way, leaves it alone.
    // The seconds of an attempt and the pauses are measured on it.
    virtual double steadySeconds() = 0;
    // Blocks the calling thread for about the given time without handling events.
    virtual void sleep(double seconds) = 0;
};

// Uniform numbers in [0, 1). The real source reseeds itself from the time of
// day at every draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Starts a wave file without waiting for it; a new sound replaces one still
// playing. The file name is relative to the program's folder and matched
// without regard to letter case. Failures are never reported.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &fileName) = 0;
};
