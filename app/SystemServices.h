// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Platform.h"

#include <QElapsedTimer>

// The real time of day, the system's monotonic clock, sleeping without
// handling events.
class SystemClock : public Clock
{
public:
    double secondsSinceMidnight() override;
    double steadySeconds() override;
    void sleep(double seconds) override;

private:
    qint64 m_offsetSecond = -1;  // the second of UTC the offset was looked up in
    qint64 m_offset = 0;         // seconds east of UTC
};

// Uniform numbers in [0, 1), the generator reseeded from the time of day at
// every draw (mixed with a fine-grained counter, so that two draws in the
// same millisecond still differ).
class SystemRandom : public RandomSource
{
public:
    SystemRandom();
    double next() override;

private:
    QElapsedTimer m_since;
    quint64 m_draws = 0;
};
