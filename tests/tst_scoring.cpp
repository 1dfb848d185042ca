// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "engine/Rules.h"
#include "engine/Scoring.h"

#include <QtTest>

#include <cmath>

// Points per letter and per word, the seconds display and the game clock.
class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    // A letter found earlier is worth at least as much as one found later;
    // what each row pays is Rules::LetterPoints, and a rated row pays it
    // once for every letter in its place (tst_rating).
    void lettersFoundEarlierAreWorthMore()
    {
        for (int row = 2; row < Rules::ManyRows - 1; ++row)
            QVERIFY(Scoring::letterAward(row) >= Scoring::letterAward(row + 1));
        QVERIFY(Scoring::letterAward(Rules::ManyRows - 1) > 0);
    }

    // The word award for row r: WordPoints / r / T, T counting the started
    // periods of WordSeconds; the first and the last second of a period pay alike.
    void wordAward_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("award");
        for (int row = 2; row <= Rules::ManyRows; ++row) {
            for (int t = 1; t <= 4; ++t) {
                const int award = int(std::nearbyint(Rules::WordPoints / row / t));
                for (int s : {0, Rules::WordSeconds - 1}) {
                    const int elapsed = (t - 1) * Rules::WordSeconds + s;
                    QTest::addRow("row %d, %d s", row, elapsed) << row << elapsed << award;
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
        // An award that ends in a half: the running score decides which way it rounds.
        int t = 1;
        while (t < 1000 && std::fmod(Rules::WordPoints / 2 / t, 1.0) != 0.5)
            ++t;
        if (t == 1000)
            QSKIP("no word award of these rules ends in a half");
        const int elapsed = (t - 1) * Rules::WordSeconds;
        const double half = Rules::WordPoints / 2 / t;
        const int even = int(std::nearbyint(100 + half));
        QVERIFY(even % 2 == 0);
        QCOMPARE(Scoring::addWordAward(100, 2, elapsed), even);
        QCOMPARE(Scoring::addWordAward(101, 2, elapsed), int(std::nearbyint(101 + half)));
        QVERIFY(Scoring::addWordAward(101, 2, elapsed) % 2 == 0);
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
        StartedGame f;
        f.state().Points = 120;
        f.clock.advance(seconds);
        f.game->Timer1_Timer();
        QCOMPARE(f.window.elapsed, shown);
        QCOMPARE(f.window.points, QStringLiteral("120"));
    }

    // The seconds of an attempt are the time that passed: midnight and a
    // whole day count, a change of the time of day either way (summer time,
    // a correction from the network, a manual change) counts for nothing.
    void attemptAcrossClockChanges_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("passed");
        QTest::addColumn<double>("step");
        QTest::newRow("across midnight") << 86390.0 << 15.0 << 0.0;
        QTest::newRow("a whole day and more") << 36000.0 << 86410.0 << 0.0;
        QTest::newRow("set back a day") << 36000.0 << 2.0 << -86400.0;
        QTest::newRow("summer time ends") << 10800.0 << 2.0 << -3600.0;
        QTest::newRow("set back at midnight") << 5.0 << 2.0 << -3600.0;
        QTest::newRow("corrected by 30 s") << 36000.0 << 2.0 << 30.0;
        QTest::newRow("set on ten minutes") << 36000.0 << 2.0 << 600.0;
        QTest::newRow("summer time begins") << 7200.0 << 2.0 << 3600.0;
        QTest::newRow("set on a day") << 86000.0 << 2.0 << 86400.0;
    }
    void attemptAcrossClockChanges()
    {
        QFETCH(double, start);
        QFETCH(double, passed);
        QFETCH(double, step);
        GameFixture f;
        f.clock.now = start;
        f.game->Form_Load();
        f.clock.advance(passed / 2);
        f.clock.setTimeOfDay(step);
        f.clock.advance(passed / 2);
        f.game->AGGIORNATEMPO();
        QCOMPARE(f.state().Elapsed, qint32(passed));
        QCOMPARE(f.window.elapsed, QString::number(qint32(passed)) + QStringLiteral(" Sec"));
        f.clock.advance(12);
        f.game->AGGIORNATEMPO();
        QCOMPARE(f.state().Elapsed, qint32(passed) + 12);
        // The word award follows those seconds.
        const qint32 before = f.state().Points;
        f.play(f.state().Solution);
        QCOMPARE(f.state().Points - before,
                 5 * Rules::LetterPoints[2] + int(std::nearbyint(Rules::WordPoints / 2 / ((qint32(passed) + 12) / Rules::WordSeconds + 1))));
    }

    // Whole manches through the game, with the clock the test moves: the
    // letters of the row (none on the last row) and the word for its period.
    void wordFoundThroughTheGame_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("seconds");
        QTest::newRow("row 2, the second period") << 2 << Rules::WordSeconds + 5;
        QTest::newRow("row 3, the third period") << 3 << 2 * Rules::WordSeconds + 5;
        QTest::newRow("the last row of five") << int(Rules::FewRows) << 5;
    }
    void wordFoundThroughTheGame()
    {
        QFETCH(int, row);
        QFETCH(int, seconds);
        StartedGame f({"PIANO"});
        for (int r = 2; r < row; ++r)
            f.play("XXXXX");
        f.clock.advance(seconds);
        f.game->Timer1_Timer();
        f.play("piano");
        const int letters = row < Rules::FewRows ? 5 * Rules::LetterPoints[row] : 0;
        const int points = letters + int(std::nearbyint(Rules::WordPoints / row / (seconds / Rules::WordSeconds + 1)));
        QCOMPARE(f.state().Points, points);
        QCOMPARE(f.window.points, QString::number(points));
    }

    void eachGuessRestartsTheSeconds()
    {
        StartedGame f({"PIANO"});
        f.clock.advance(40);
        f.game->Timer1_Timer();
        QCOMPARE(f.window.elapsed, QStringLiteral("40 Sec"));
        f.play("XXXXX");
        f.game->Timer1_Timer();
        QCOMPARE(f.window.elapsed, QStringLiteral("0 Sec"));
    }

    void shortGuessLeavesTheClock()
    {
        StartedGame f({"PIANO"});
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
