// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "engine/Rules.h"
#include "engine/Rating.h"

#include <QtTest>

// Rating one row: the rule on its own, then how the game paints, announces
// and scores it.
class TestRating : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QString>("revealed");
        QTest::addColumn<QString>("guess");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("maxAttempts");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("revealedAfter");

        const QStringList none;
        QTest::newRow("PIANO / OPERA") << "PIANO" << "  A  " << "OPERA" << 2 << 5 << "2 4 2 4 2" << "     "
                                       << QStringList{"c'e.wav", "No.wav", "c'e.wav", "No.wav", "c'e.wav"} << 0
                                       << "     ";
        QTest::newRow("PIANO / PIZZA") << "PIANO" << "  A  " << "PIZZA" << 2 << 5 << "15 15 2 4 4" << "PI   "
                                       << QStringList{"Si.wav", "Si.wav", "c'e.wav", "No.wav", "No.wav"} << 2 * Rules::LetterPoints[2]
                                       << "PI   ";
        QTest::newRow("CASSA / SXXXX") << "CASSA" << "C    " << "SXXXX" << 3 << 5 << "4 4 2 2 4" << "     "
                                       << QStringList{"No.wav", "No.wav", "c'e.wav", "c'e.wav", "No.wav"} << 0
                                       << "     ";
        QTest::newRow("CASSA / CXSSA") << "CASSA" << "C    " << "CXSSA" << 2 << 5 << "15 4 15 15 15" << "C SSA"
                                       << QStringList{"Si.wav", "No.wav", "Si.wav", "Si.wav", "Si.wav"} << 4 * Rules::LetterPoints[2]
                                       << "C SSA";
        QTest::newRow("row 1") << "PIANO" << "  A  " << "     " << 1 << 5 << "4 4 15 4 4" << "  A  " << none << 0
                               << "  A  ";
        QTest::newRow("row 4 scores") << "PIANO" << "     " << "PXXXX" << 4 << 6 << "15 4 4 4 4" << "P    "
                                         << QStringList{"Si.wav", "No.wav", "No.wav", "No.wav", "No.wav"} << Rules::LetterPoints[4]
                                         << "P    ";
        QTest::newRow("row 5 of six: points, no Si") << "PIANO" << "     " << "PXXXX" << 5 << 6 << "15 4 4 4 4"
                                                 << "P    "
                                                 << QStringList{"No.wav", "No.wav", "No.wav", "No.wav"} << Rules::LetterPoints[5]
                                                 << "P    ";
        QTest::newRow("last row, lost") << "PIANO" << "     " << "PIANO" << 5 << 5 << "15 15 15 15 15" << "PIANO"
                                        << none << 0 << "PIANO";
        QTest::newRow("missed revealed letter is forgotten") << "PIANO" << "  A  " << "XXXXX" << 2 << 5
                                                              << "4 4 4 4 4" << "     "
                                                              << QStringList{"No.wav", "No.wav", "No.wav",
                                                                             "No.wav", "No.wav"}
                                                              << 0 << "     ";
    }
    void rows()
    {
        QFETCH(QString, solution);
        QFETCH(QString, revealed);
        QFETCH(QString, guess);
        QFETCH(int, row);
        QFETCH(int, maxAttempts);
        QFETCH(QString, colours);
        QFETCH(QString, letters);
        QFETCH(QStringList, sounds);
        QFETCH(int, points);
        QFETCH(QString, revealedAfter);

        const Rating::Row rated = Rating::rate(solution, revealed, guess, row, maxAttempts);
        QStringList shownColours, played;
        QString shownLetters;
        int scored = 0;
        for (const Rating::Cell &cell : rated.cells) {
            shownColours << QString::number(cell.colour);
            shownLetters += cell.caption.value_or(u' ');  // the board's cells start blank
            if (cell.sound != Rating::Sound::None)
                played << Rating::soundName(cell.sound) + ".wav";
            scored += cell.points;
        }
        QCOMPARE(shownColours.join(' '), colours);
        QCOMPARE(shownLetters, letters);
        QCOMPARE(played, sounds);
        QCOMPARE(scored, points);
        QCOMPARE(rated.revealed, revealedAfter);
    }

    // Each position: paint, then announce and pause, then score.
    void orderWithinAPosition()
    {
        GameFixture f;
        f.window.voice = 1;
        GameState &g = f.state();
        g.Solution = "PIANO";
        g.Revealed = "     ";
        g.Guess = g.Typed = "PXZZA";
        g.Attempt = 2;
        f.game->VALUTARIGA();
        const QStringList expected = {
            "paint 5 15", "sound Si.wav", "pause",
            "paint 6 4", "sound No.wav", "pause",
            "paint 7 2", "sound c'e.wav", "pause",
            "paint 8 4", "sound No.wav", "pause",
            "paint 9 4", "sound No.wav", "pause",
        };
        QCOMPARE(f.window.log, expected);
        QCOMPARE(g.Points, Rules::LetterPoints[2]);
        QCOMPARE(g.Revealed, QStringLiteral("P    "));
        QCOMPARE(f.window.tried[0], QStringLiteral("PXZZA"));
        // The green cell keeps the caption it had ("L" on the fake board).
        QCOMPARE(f.window.rowText(2), QStringLiteral("P L  "));
    }

    void wholeWordOnAMiddleRow()
    {
        GameFixture f;
        GameState &g = f.state();
        g.Solution = "PIANO";
        g.Revealed = "     ";
        g.Guess = g.Typed = "PIANO";
        g.Attempt = 3;
        g.MaxAttempts = 6;
        f.game->VALUTARIGA();
        QCOMPARE(g.Points, 5 * Rules::LetterPoints[3]);
        QCOMPARE(f.window.rowColours(3), QStringLiteral("15 15 15 15 15"));
    }
};

QTEST_GUILESS_MAIN(TestRating)
#include "tst_rating.moc"
