// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the probes share: the process's own CPU time and context switches,
// a monotonic clock, the moment a window's first frame is on screen, and
// keys sent the way the window system delivers them.

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace Probe {

inline double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

struct Usage
{
    double cpu = 0;       // seconds, user and system, all threads
    long switches = 0;    // voluntary and involuntary: each is a wake-up or a preemption
};

inline Usage usage()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return {r.ru_utime.tv_sec + r.ru_utime.tv_usec / 1e6 + r.ru_stime.tv_sec + r.ru_stime.tv_usec / 1e6,
            r.ru_nvcsw + r.ru_nivcsw};
}

inline void report(const char *key, double value)
{
    std::printf("%s %.6f\n", key, value);
    std::fflush(stdout);
}

// Once the window has been exposed and its first frame painted and flushed
// (the expose is handled before the queued call runs), reports the CPU time
// used so far and ends the process at once.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window)
    {
        window->winId();
        window->windowHandle()->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                report("frame_cpu_ms", usage().cpu * 1000);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

// Runs the event loop for the given time, sleeping while it has nothing to do.
inline void settle(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

inline void waitExposed(QWidget *window)
{
    const double until = now() + 5;
    while ((!window->windowHandle() || !window->windowHandle()->isExposed()) && now() < until)
        settle(0.01);
}

inline void pressEnter(QWidget *target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &release);
}

inline void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (c.toUpper().unicode() - 'A'), Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + (c.toUpper().unicode() - 'A'), Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

// Idle: the event loop alone for the given time, after a second to settle.
inline void idle(double seconds)
{
    settle(1.0);
    const Usage before = usage();
    const double start = now();
    settle(seconds);
    const Usage after = usage();
    const double span = now() - start;
    report("idle_cpu_pct", (after.cpu - before.cpu) / span * 100);
    report("idle_wakeups_per_s", (after.switches - before.switches) / span);
}

} // namespace Probe
