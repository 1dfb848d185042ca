// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "app/SystemServices.h"

#include <QElapsedTimer>
#include <QTime>

#include <cmath>
#include <QtTest>

// The pause after every voice: its length, the file it plays, and one real pause.
class TestPause : public QObject
{
    Q_OBJECT

private slots:
    void pauseTable_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("voice");
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("seconds");
        QTest::newRow("TESMO, 1") << "TESMO" << 1 << "TESMO.wav" << 0.75;
        QTest::newRow("TESMO, 2") << "TESMO" << 2 << "TESMO-1.wav" << 0.917;
        QTest::newRow("Si, 1") << "Si" << 1 << "Si.wav" << 0.5;
        QTest::newRow("si, 2") << "si" << 2 << "si-1.wav" << 0.667;
        QTest::newRow("c'e, 2") << "c'e" << 2 << "c'e-1.wav" << 0.75;
        QTest::newRow("No, 1") << "No" << 1 << "No.wav" << 0.5;
        QTest::newRow("Ciao, 2") << "Ciao" << 2 << "Ciao-1.wav" << 0.833;
        QTest::newRow("Nessuno") << "c'e" << 0 << "" << 0.583;
        QTest::newRow("no selection") << "Tesmo" << -1 << "" << 0.75;
    }
    void pauseTable()
    {
        QFETCH(QString, sound);
        QFETCH(int, voice);
        QFETCH(QString, file);
        QFETCH(double, seconds);
        GameFixture f;
        f.window.voice = voice;
        int sleeps = 0;
        f.clock.onSleep = [&] { ++sleeps; };
        f.game->SUONA(sound);
        QCOMPARE(f.sound.played, file.isEmpty() ? QStringList() : QStringList{file});
        // One sleep for the whole length, just past it.
        QCOMPARE(sleeps, 1);
        QVERIFY2(f.clock.slept > seconds && f.clock.slept < seconds + 0.005,
                 qPrintable(QString::number(f.clock.slept)));
        QCOMPARE(f.window.log.count("pause"), 1);
    }

    void rowOfAnnouncementsWithNoVoice()
    {
        GameFixture f;
        f.window.voice = 0;
        GameState &g = f.state();
        g.Solution = "PIANO";
        g.Guess = g.Typed = "OPERA";
        g.Attempt = 2;
        f.game->VALUTARIGA();
        QVERIFY(f.sound.played.isEmpty());
        QVERIFY(f.clock.slept >= 2.5 && f.clock.slept <= 2.95);
    }

    void pauseAcrossMidnightEnds()
    {
        GameFixture f;
        f.clock.now = 86399.8;
        f.game->SUONA("Ciao");
        QVERIFY(f.clock.now < 1.0);
        QVERIFY(f.clock.slept < 0.7);
    }

    // The one test on the real clock: the pause really sleeps for its length.
    void realPause()
    {
        GameFixture f;
        SystemClock clock;
        TesmoGame game({.clock = &clock, .random = &f.random, .sound = &f.sound, .programDir = f.dir, .window = &f.window});
        QElapsedTimer timer;
        timer.start();
        game.SUONA("No");
        const qint64 ms = timer.elapsed();
        QVERIFY2(ms >= 490 && ms < 5000, qPrintable(QString::number(ms)));
        // It reads the local time of day.
        const double gap = std::abs(clock.secondsSinceMidnight() - QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
        QVERIFY2(std::min(gap, 86400 - gap) < 0.5, qPrintable(QString::number(gap)));
    }
};

QTEST_GUILESS_MAIN(TestPause)
#include "tst_pause.moc"
