// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "engine/Scoring.h"

#include <QtTest>

// Points per letter and per word, the seconds display and the game clock.
class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void letterAward_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("award");
        QTest::newRow("2") << 2 << 30;
        QTest::newRow("3") << 3 << 20;
        QTest::newRow("4") << 4 << 15;
        QTest::newRow("5") << 5 << 12;
    }
    void letterAward()
    {
        QFETCH(int, row);
        QFETCH(int, award);
        QCOMPARE(Scoring::letterAward(row), award);
    }

    void wordAward_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("award");
        const int table[5][4] = {
            {600, 300, 200, 150}, {400, 200, 133, 100}, {300, 150, 100, 75}, {240, 120, 80, 60}, {200, 100, 67, 50},
        };
        for (int row = 2; row <= 6; ++row) {
            for (int t = 0; t < 4; ++t) {
                for (int s : {0, 9}) {
                    const int elapsed = t * 10 + s;
                    QTest::addRow("row %d, %d s", row, elapsed) << row << elapsed << table[row - 2][t];
                }
            }
        }
    }
    void wordAward()
    {
        QFETCH(int, row);
        QFETCH(int, elapsed);
        QFETCH(int, award);
        QCOMPARE(Scoring::addWordAward(0, row, elapsed), award);
    }

    void halvesGoToEven()
    {
        // 600 / 16 = 37.5: the running score decides which way it rounds.
        QCOMPARE(Scoring::addWordAward(100, 2, 150), 138);
        QCOMPARE(Scoring::addWordAward(101, 2, 159), 138);
        QCOMPARE(Scoring::addWordAward(2147483600, 2, 0), 2147483647);
    }

    void elapsedDisplay_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0.0 << "0 Sec";
        QTest::newRow("2.5 to even") << 2.5 << "2 Sec";
        QTest::newRow("3.5 to even") << 3.5 << "4 Sec";
        QTest::newRow("12") << 12.2 << "12 Sec";
    }
    void elapsedDisplay()
    {
        QFETCH(double, seconds);
        QFETCH(QString, shown);
        GameFixture f;
        f.clock.now = 1000.0;
        f.state().MancheStart = 1000.0f;
        f.state().Points = 120;
        f.clock.advance(seconds);
        f.game->Timer1_Timer();
        QCOMPARE(f.window.elapsed, shown);
        QCOMPARE(f.window.points, QStringLiteral("120"));
    }

    // Only a real midnight crossing adds a day; a clock set back counts as no time.
    void attemptAcrossClockChanges_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("seconds");
        QTest::newRow("across midnight") << 86390.0 << 15.0 << 15;
        QTest::newRow("a whole day and more") << 36000.0 << 86410.0 << 86410;
        QTest::newRow("summer time ends") << 10800.0 << -3590.0 << 0;
        QTest::newRow("clock set back a minute") << 36000.0 << -60.0 << 0;
        QTest::newRow("set back at midnight") << 5.0 << -3600.0 << 0;
    }
    void attemptAcrossClockChanges()
    {
        QFETCH(double, start);
        QFETCH(double, step);
        QFETCH(int, seconds);
        GameFixture f;
        f.clock.now = start;
        f.game->Form_Load();
        f.clock.advance(step);
        f.game->AGGIORNATEMPO();
        QCOMPARE(f.state().Elapsed, seconds);
        QCOMPARE(f.window.elapsed, QString::number(seconds) + QStringLiteral(" Sec"));
        // Time after the step counts from where the clock was set back to.
        f.clock.advance(12);
        f.game->AGGIORNATEMPO();
        QCOMPARE(f.state().Elapsed, seconds + 12);
        // The word award follows those seconds.
        const qint32 before = f.state().Points;
        f.play(f.state().Solution);
        QCOMPARE(f.state().Points - before, 5 * 30 + int(std::nearbyint(600.0 / ((seconds + 12) / 10 + 1))));
    }

    // Whole manches through the game, with the clock the test moves.
    void foundOnFirstGuessAfterFifteenSeconds()
    {
        GameFixture f({"PIANO"});
        f.game->Form_Load();
        f.clock.advance(15);
        f.game->Timer1_Timer();
        f.play("piano");
        QCOMPARE(f.state().Points, 5 * 30 + 300);
        QCOMPARE(f.window.points, QStringLiteral("450"));
    }

    void foundOnRowThreeAfterTwentyFiveSeconds()
    {
        GameFixture f({"PIANO"});
        f.game->Form_Load();
        f.play("XXXXX");
        f.clock.advance(25);
        f.game->Timer1_Timer();
        f.play("PIANO");
        QCOMPARE(f.state().Points, 100 + 133);
    }

    void foundOnLastRowOfFive()
    {
        GameFixture f({"PIANO"});
        f.game->Form_Load();
        for (int i = 0; i < 3; ++i)
            f.play("XXXXX");
        f.clock.advance(5);
        f.game->Timer1_Timer();
        f.play("PIANO");
        QCOMPARE(f.state().Points, 240);
    }

    void eachGuessRestartsTheSeconds()
    {
        GameFixture f({"PIANO"});
        f.game->Form_Load();
        f.clock.advance(40);
        f.game->Timer1_Timer();
        QCOMPARE(f.window.elapsed, QStringLiteral("40 Sec"));
        f.play("XXXXX");
        f.game->Timer1_Timer();
        QCOMPARE(f.window.elapsed, QStringLiteral("0 Sec"));
    }

    void shortGuessLeavesTheClock()
    {
        GameFixture f({"PIANO"});
        f.game->Form_Load();
        const float start = f.state().MancheStart;
        f.clock.advance(7);
        f.play("ABCD");
        QCOMPARE(f.state().MancheStart, start);
        QCOMPARE(f.state().Attempt, qint16(1));
        QCOMPARE(f.window.guess, QStringLiteral("ABCD"));
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
