// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's main window, built as the program builds it, measured.
//   tesmo_probe launch FOLDER    up to the first frame, the start pause left out
//   tesmo_probe enter FOLDER N   Enter on a typed guess to the first cell of the row on screen
//   tesmo_probe row FOLDER N     CPU time and wake-ups of a rated row, its five real pauses included
//   tesmo_probe idle FOLDER S    CPU time and wake-ups of the idle window
//   tesmo_probe shot FOLDER PNG  the window as first shown, with a fixed draw, saved as a picture
//                                (to check that a change leaves every pixel as it was)
// FOLDER holds the word lists; the game reads and writes its files there.

#include "bench/Probe.h"
#include "app/ProgramFolder.h"
#include "app/Startup.h"
#include "app/SystemServices.h"
#include "sound/OpenAlSoundPlayer.h"
#include "tests/FakeServices.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>

#include <cmath>
#include <cstdlib>

namespace {

// The time of day, but a sleep takes no time: it moves this clock on instead.
class ZeroPauseClock : public Clock
{
public:
    std::function<void()> onSleep;
    double secondsSinceMidnight() override
    {
        const double t = m_real.secondsSinceMidnight() + m_skipped;
        return t - std::floor(t / 86400.0) * 86400.0;
    }
    double steadySeconds() override { return m_real.steadySeconds() + m_skipped; }
    void sleep(double seconds) override
    {
        m_skipped += seconds;
        if (onSleep)
            onSleep();
    }

private:
    SystemClock m_real;
    double m_skipped = 0;
};

// The real clock, counting the pauses it sleeps in.
class CountingClock : public Clock
{
public:
    int sleeps = 0;
    double secondsSinceMidnight() override { return m_real.secondsSinceMidnight(); }
    double steadySeconds() override { return m_real.steadySeconds(); }
    void sleep(double seconds) override
    {
        ++sleeps;
        m_real.sleep(seconds);
    }

private:
    SystemClock m_real;
};

} // namespace

int main(int argc, char *argv[])
{
    Fonts::preload();
    QApplication app(argc, argv);
    Startup::prepareApplication();
    const QByteArray mode = argc > 1 ? argv[1] : "launch";
    const int count = argc > 3 && mode != "shot" ? std::atoi(argv[3]) : 10;
    // A folder the game can write in is its own program folder, as in a build.
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
    const QDir programDir = ProgramFolder::choose(folder, QString(), ProgramFolder::userFolder()).program;
    QDir::setCurrent(programDir.absolutePath());

    ZeroPauseClock zeroPause;
    CountingClock realClock;
    Clock *clock = mode == "row" || mode == "idle" ? static_cast<Clock *>(&realClock) : &zeroPause;
    SystemRandom systemRandom;
    FakeRandom fixedRandom;  // always the middle of the range: the same word and board each run
    fixedRandom.fallback = 0.5;
    RandomSource &random = mode == "shot" ? static_cast<RandomSource &>(fixedRandom) : systemRandom;
    OpenAlSoundPlayer sound(programDir);

    Form1 form(Form1::Services{clock, &random, &sound, programDir});
    if (mode == "shot") {
        form.load();
        form.show();
        Probe::waitExposed(&form);
        return form.grab().save(QString::fromLocal8Bit(argc > 3 ? argv[3] : "shot.png")) ? 0 : 1;
    }
    if (mode == "launch") {
        Probe::FirstFrame frame(&form);
        form.load();
        form.show();
        return app.exec();
    }

    form.setMessageResponder([](const QString &, const QString &, GameWindow::Buttons buttons) {
        return buttons == GameWindow::Buttons::Ok ? GameWindow::Answer::Ok : GameWindow::Answer::Yes;
    });
    form.setCongratulationsHandler([](Form2 &) {});
    form.setQuit([] {});
    form.load();
    form.show();
    Probe::waitExposed(&form);
    form.List1->setCurrentRow(0);  // "Nessuno": every pause, no voice
    Probe::settle(0.3);

    if (mode == "enter") {
        double firstPause = 0;
        zeroPause.onSleep = [&] {
            if (firstPause == 0)
                firstPause = Probe::now();
        };
        for (int k = 0; k < count; ++k) {
            form.Text1->clear();
            Probe::typeText(form.Text1, k % 2 ? QStringLiteral("QQQQQ") : QStringLiteral("ZZZZZ"));
            Probe::settle(0.02);
            firstPause = 0;
            const double start = Probe::now();
            Probe::pressEnter(form.Text1);
            if (firstPause > 0)  // the last row of a manche shows the solution without a voice
                Probe::report("enter_ms", (firstPause - start) * 1000);
            Probe::settle(0.02);
        }
        return 0;
    }

    if (mode == "row") {
        for (int k = 0; k < count; ++k) {
            form.Text1->clear();
            Probe::typeText(form.Text1, k % 2 ? QStringLiteral("QQQQQ") : QStringLiteral("ZZZZZ"));
            Probe::settle(0.05);
            const Probe::Usage before = Probe::usage();
            realClock.sleeps = 0;
            Probe::pressEnter(form.Text1);
            const Probe::Usage after = Probe::usage();
            if (realClock.sleeps == 0)  // the last row of a manche shows the solution without a voice
                continue;
            Probe::report("row_cpu_ms", (after.cpu - before.cpu) * 1000);
            Probe::report("row_wakeups", after.switches - before.switches);
        }
        return 0;
    }

    if (mode == "idle") {
        Probe::idle(count);
        return 0;
    }
    return 2;
}
