// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "engine/Rating.h"
#include "engine/Rules.h"
#include "engine/Scoring.h"
#include "storage/HighScores.h"
#include "storage/Settings.h"

#include <QtTest>

// The game's designed figures, written out as numbers, here and nowhere
// else: the other tests work their expectations out from the names in
// engine/Rules.h, so a slip there would pass them all. A rule changed on
// purpose changes Rules.h and this table together.
class TestFigures : public QObject
{
    Q_OBJECT

private slots:
    // What one letter in its place earns on each row, and whether "Si" is
    // heard for it, in both attempt modes.
    void letterPoints_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("si");
        const struct { int rows, row, points; bool si; } figures[] = {
            {5, 2, 30, true}, {5, 3, 20, true}, {5, 4, 15, true}, {5, 5, 0, false},
            {6, 2, 30, true}, {6, 3, 20, true}, {6, 4, 15, true}, {6, 5, 12, false}, {6, 6, 0, false},
        };
        for (const auto &f : figures)
            QTest::addRow("%d rows, row %d", f.rows, f.row) << f.rows << f.row << f.points << f.si;
    }
    void letterPoints()
    {
        QFETCH(int, rows);
        QFETCH(int, row);
        QFETCH(int, points);
        QFETCH(bool, si);
        const Rating::Row rated = Rating::rate(QStringLiteral("PIANO"), QStringLiteral("P    "),
                                               QStringLiteral("PXXXX"), row, rows);
        QCOMPARE(rated.cells[0].points, points);
        QCOMPARE(rated.cells[0].sound == Rating::Sound::Si, si);
    }

    // The word award: 1200 / row, divided by one more than the tens of seconds.
    void wordAward_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("award");
        QTest::newRow("row 2 at once") << 2 << 0 << 600;
        QTest::newRow("row 2, 9 s") << 2 << 9 << 600;
        QTest::newRow("row 2, 10 s") << 2 << 10 << 300;
        QTest::newRow("row 3, 25 s") << 3 << 25 << 133;
        QTest::newRow("row 4, 5 s") << 4 << 5 << 300;
        QTest::newRow("row 5, 59 s") << 5 << 59 << 40;
        QTest::newRow("row 6, 0 s") << 6 << 0 << 200;
        QTest::newRow("row 2, 30 s") << 2 << 30 << 150;
    }
    void wordAward()
    {
        QFETCH(int, row);
        QFETCH(int, seconds);
        QFETCH(int, award);
        QCOMPARE(Scoring::addWordAward(0, row, seconds), award);
    }

    // The worked rows: colour numbers of the classic palette (15 white,
    // 2 green, 4 dark red), the sounds and the letters known after the row.
    void workedRows_data()
    {
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QString>("guess");
        QTest::addColumn<QList<int>>("colours");
        QTest::addColumn<QString>("sounds");
        QTest::addColumn<QString>("known");
        QTest::newRow("PIZZA for PIANO") << "PIANO" << "PIZZA" << QList<int>{15, 15, 2, 4, 4} << "SSCNN" << "PI   ";
        QTest::newRow("CXSSA for CASSA") << "CASSA" << "CXSSA" << QList<int>{15, 4, 15, 15, 15} << "SNSSS" << "C SSA";
    }
    void workedRows()
    {
        QFETCH(QString, solution);
        QFETCH(QString, guess);
        QFETCH(QList<int>, colours);
        QFETCH(QString, sounds);
        QFETCH(QString, known);
        const Rating::Row rated = Rating::rate(solution, solution.left(1) + QStringLiteral("    "), guess, 2, 5);
        QString heard;
        for (int p = 0; p < 5; ++p) {
            QCOMPARE(rated.cells[p].colour, colours[p]);
            QCOMPARE(rated.cells[p].points, colours[p] == 15 ? 30 : 0);
            const Rating::Sound s = rated.cells[p].sound;
            heard += s == Rating::Sound::Si ? u'S' : s == Rating::Sound::CE ? u'C' : s == Rating::Sound::No ? u'N' : u'-';
        }
        QCOMPARE(heard, sounds);
        QCOMPARE(rated.revealed, known);
    }

    // A whole game of five rows a manche, stored as the table's line: the first
    // word found on row 2 after 5 s (5 x 30 + 600), the second on row 3 after
    // 25 s (nothing for XXXXX on row 2, then 5 x 20 + 133), then five manches
    // lost with the first letter right on rows 2 to 4 (30 + 20 + 15 each):
    // 1308 points.
    void wholeGame()
    {
        StartedGame f;
        f.clock.advance(5);
        f.game->Timer1_Timer();
        f.play(f.state().Solution);
        f.play(QStringLiteral("XXXXX"));
        f.clock.advance(25);
        f.game->Timer1_Timer();
        f.play(f.state().Solution);
        QCOMPARE(f.state().Points, 983);
        for (int manche = 1; manche <= 5; ++manche) {
            for (int row = 2; row <= 4; ++row)
                f.play(f.state().Solution.left(1) + QStringLiteral("XXXX"));
            f.play(QStringLiteral("XXXXX"));
        }
        QVERIFY(f.file(QStringLiteral("TESMO.HIS")).startsWith("Anonimo, 1308 \r\n"));
    }

    // The timers and the pause after each clip, by the clip's file name.
    void timings()
    {
        QCOMPARE(Rules::TickMilliseconds, 500);
        QCOMPARE(Rules::CongratulationsStepMilliseconds, 80);
        const struct { int voice; const char *sound; double seconds; } pauses[] = {
            {1, "Si", 0.5}, {1, "c'e", 7 / 12.0}, {1, "No", 0.5}, {1, "Tesmo", 0.75}, {1, "Ciao", 8 / 12.0},
            {2, "Si", 8 / 12.0}, {2, "Tesmo", 11 / 12.0}, {0, "No", 0.5},
        };
        for (const auto &p : pauses) {
            GameFixture f;
            f.window.voice = p.voice;
            f.game->SUONA(QString::fromLatin1(p.sound));
            QVERIFY2(std::abs(f.clock.slept - p.seconds) < 0.005, p.sound);
        }
    }

    // The files' bytes: the settings' three lines and a table line, a
    // negative score and an empty rank.
    void fileBytes()
    {
        QCOMPARE(Settings::serialize(QStringLiteral("GIOCATORE"), 1, 6),
                 QByteArray("Nome=GIOCATORE\r\nSuono=1\r\nTentativi=6\r\n"));
        QCOMPARE(Settings::serialize(QStringLiteral("ANONIMO"), -1, 5),
                 QByteArray("Nome=ANONIMO\r\nSuono=-1\r\nTentativi=5\r\n"));
        HighScores::Table table;
        table[0] = {QStringLiteral("GIOCATORE"), 150};
        table[1] = {QStringLiteral("MARIO"), -20};
        const QByteArray bytes = HighScores::serialize(table);
        QVERIFY(bytes.startsWith("GIOCATORE, 150 \r\nMARIO,-20 \r\n, 0 \r\n"));
        QCOMPARE(bytes.count("\r\n"), 50);
    }
};

QTEST_GUILESS_MAIN(TestFigures)
#include "tst_figures.moc"
