// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "tests/Shown.h"
#include "engine/Rules.h"

#include <QtTest>

// Manches, games and the end of the program, played on a fake window.
class TestFlow : public QObject
{
    Q_OBJECT

    static qsizetype drawnCount(const QByteArray &list) { return TestFiles::marks(list).count('*'); }

private slots:
    void programStart()
    {
        GameFixture f;
        f.random.queue = {0.0, 0.5};  // first record, third position
        f.game->Form_Load();
        QCOMPARE(f.window.manche, Shown::manche(1));
        QCOMPARE(f.state().Manche, qint16(1));
        QCOMPARE(f.state().Dictionary, qint16(1));
        QCOMPARE(f.state().Solution, QStringLiteral("PIANO"));
        QCOMPARE(f.state().Revealed, QStringLiteral("  A  "));
        QCOMPARE(f.window.rowColours(1), QStringLiteral("4 4 15 4 4"));
        QCOMPARE(f.window.rowText(1), QStringLiteral("  A  "));
        for (int cell = 5; cell < 30; ++cell) {
            QCOMPARE(f.window.cellColour[cell], 0);
            QCOMPARE(f.window.cellText[cell], QStringLiteral(" "));
        }
        for (int cell = 25; cell < 30; ++cell)
            QVERIFY(!f.window.cellVisible[cell]);
        QVERIFY(f.window.triedTitleVisible[4]);  // the fifth line stays until a switch
        QVERIFY(!f.window.productMenuVisible);
        QCOMPARE(f.window.voices, 3);
        QCOMPARE(f.window.dictionary, 0);
        // The start voice is asked for once, silently: no voice is chosen yet.
        QVERIFY(f.sound.played.isEmpty());
        QCOMPARE(f.window.log.count("pause"), 1);
        QCOMPARE(f.state().PlayerName, QStringLiteral("ANONIMO"));
        QCOMPARE(drawnCount(f.file("tesmodat.1")), 1);
    }

    void revealedPositionIsUniform()
    {
        for (int p = 1; p <= 5; ++p) {
            GameFixture f;
            f.random.queue = {0.0, (p - 1) / 5.0 + 0.01};
            f.game->Form_Load();
            QString expected = "     ";
            expected[p - 1] = QChar(u"PIANO"[p - 1]);
            QCOMPARE(f.state().Revealed, expected);
        }
    }

    void foundWordKeepsTheManche()
    {
        StartedGame f({"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS"});
        f.loseManche();
        f.loseManche();
        QCOMPARE(f.window.manche, Shown::manche(3));
        f.play(f.state().Solution.toLower());
        QCOMPARE(f.window.manche, Shown::manche(3));
        QCOMPARE(f.window.congratulations, 0);
        QCOMPARE(f.state().Attempt, qint16(1));
    }

    void congratulationsInTheFirstTwoManches()
    {
        StartedGame f;
        f.window.voice = 1;
        f.play(f.state().Solution);
        QCOMPARE(f.window.congratulations, 1);
        f.loseManche();
        f.play(f.state().Solution);
        QCOMPARE(f.window.congratulations, 2);
        // The congratulations come after the word and its voice, before the next word.
        const int at = f.window.log.lastIndexOf("congratulations");
        QVERIFY(f.window.log.lastIndexOf("sound Tesmo.wav") < at);
        QVERIFY(at < f.window.log.lastIndexOf("paint 0 4") || at < f.window.log.lastIndexOf("paint 0 15"));
    }

    void winInMancheOneReloadsSettingsButNotTheGame()
    {
        StartedGame f({"PIANO", "CASSA"});
        TestFiles::write(f.dir, "Tesmo.ini", "Nome=ZED\r\nSuono=0\r\nTentativi=5\r\n");
        const int pauses = f.window.log.count("pause");
        f.play(f.state().Solution);
        QCOMPARE(f.window.playerName, QStringLiteral("ZED"));
        QVERIFY(f.state().Points > 0);
        // Five "Si" and one "Tesmo": no start voice.
        QCOMPARE(f.window.log.count("pause") - pauses, 6);
    }

    void lostMancheMessages()
    {
        StartedGame f({"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS", "TERRA"});
        for (int n = 2; n <= Rules::Manches; ++n) {
            f.loseManche();
            QCOMPARE(f.window.boxes.last().text, QStringLiteral("La risposta è errata, clicca OK per la manche N.%1").arg(n));
            QCOMPARE(f.window.boxes.last().title, QStringLiteral("Tesmo - Fine Partita"));
        }
        QCOMPARE(f.window.boxes.size(), Rules::Manches - 1);
    }

    void fiveAttemptRows()
    {
        GameFixture f({"PIANO", "CASSA"});
        f.random.queue = {0.0, 0.0};
        f.game->Form_Load();
        f.play("OPERA");
        f.play("ABCDE");
        f.play("XYZZY");
        QCOMPARE(f.window.tried[0], QStringLiteral("OPERA"));
        QCOMPARE(f.window.tried[2], QStringLiteral("XYZZY"));
        QCOMPARE(f.state().Attempt, qint16(4));
        f.window.log.clear();
        f.play("QQQQQ");
        // The solution went to row 5 before the message, then the next manche began.
        QCOMPARE(f.window.log.mid(0, 6), (QStringList{"paint 20 15", "paint 21 15", "paint 22 15", "paint 23 15",
                                                      "paint 24 15", "box Tesmo - Fine Partita"}));
        QCOMPARE(f.window.boxes.size(), 1);
        QCOMPARE(f.state().Manche, qint16(2));
        QCOMPARE(f.window.rowText(5), QStringLiteral(" ").repeated(5));
        QCOMPARE(f.window.tried[3], QString());
    }

    // Six-attempt mode: the manche start leaves the sixth row and the fifth
    // tried-word line shown; the fifth guess lands on row 6 and in the fifth line.
    void sixAttemptMode_data()
    {
        QTest::addColumn<QString>("fifthGuess");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("manche");
        QTest::newRow("lost") << "OPERA" << 0 << 2;
        QTest::newRow("found on row 6: the word only") << "PIANO" << int(Rules::WordPoints / Rules::ManyRows) << 1;
    }
    void sixAttemptMode()
    {
        QFETCH(QString, fifthGuess);
        QFETCH(int, points);
        QFETCH(int, manche);
        GameFixture f({"PIANO", "CASSA"});
        f.random.queue = {0.0, 0.0};
        TestFiles::write(f.dir, "Tesmo.ini", "Nome=A\r\nSuono=0\r\nTentativi=6\r\n");
        // A manche start in this mode neither shows nor hides the sixth row
        // and the fifth tried-word line: hidden here, they stay hidden.
        for (int cell = 25; cell < 30; ++cell)
            f.window.cellVisible[cell] = false;
        f.window.triedTitleVisible[4] = f.window.triedWordVisible[4] = false;
        f.game->Form_Load();
        QCOMPARE(f.state().MaxAttempts, qint16(6));
        for (int cell = 25; cell < 30; ++cell)
            QVERIFY(!f.window.cellVisible[cell]);
        QVERIFY(!f.window.triedTitleVisible[4] && !f.window.triedWordVisible[4]);

        for (int row = 2; row < Rules::ManyRows; ++row)
            f.play("XXXXX");
        QCOMPARE(f.state().Manche, qint16(1));
        QVERIFY(f.window.boxes.isEmpty());
        QString row6, fifthLine;
        const auto look = [&] {
            if (row6.isEmpty()) {
                row6 = f.window.rowText(6);
                fifthLine = f.window.tried[4];
            }
        };
        f.window.onBox = [&](const FakeWindow::Box &) { look(); };
        f.window.onPause = look;  // the found word's "Tesmo" pause
        f.play(fifthGuess);
        QCOMPARE(row6, QStringLiteral("PIANO"));
        QCOMPARE(fifthLine, fifthGuess);
        QCOMPARE(f.state().Points, points);
        QCOMPARE(f.state().Manche, qint16(manche));
    }

    void acceptKeys()
    {
        StartedGame f({"PIANO", "CASSA"});
        f.window.guess = "abcde";
        QVERIFY(!f.game->Text1_KeyPress('a'));
        QCOMPARE(f.state().Attempt, qint16(1));
        QVERIFY(f.game->Text1_KeyPress(27));
        QCOMPARE(f.state().Typed, QStringLiteral("ABCDE"));
        QCOMPARE(f.window.tried[0], QStringLiteral("ABCDE"));
        QCOMPARE(f.window.guess, QString());
        f.window.guess = "12 !?";
        f.game->Command3d2_Click();
        QCOMPARE(f.state().Attempt, qint16(3));
    }

    void endOfGameYes()
    {
        StartedGame f({"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS", "TERRA", "MONTE"});
        f.window.voice = 1;
        f.window.playerName = "Vale";
        f.play(f.state().Solution);  // a found word keeps the manche
        const int points = f.state().Points;
        f.window.answers = {GameWindow::Answer::Yes};
        for (int m = 1; m <= Rules::Manches; ++m)
            f.loseManche();
        QCOMPARE(f.window.boxes.size(), 5);
        QCOMPARE(f.window.boxes.last().text,
                 QStringLiteral("Mi spiace, la risposta è errata! Il gioco finisce qua, vuoi fare un'altra partitina?"));
        QCOMPARE(f.window.boxes.last().buttons, GameWindow::Buttons::YesNo);
        // The table took the result in once, and stored it.
        QVERIFY(!f.game->resultPending());
        QCOMPARE(f.window.highScoresShown, 1);
        QCOMPARE(f.file("TESMO.HIS").count("\r\n"), Rules::HighScoreRanks);
        QVERIFY(f.file("TESMO.HIS").startsWith("Vale, " + QByteArray::number(points) + " \r\n"));
        QCOMPARE(f.table.matchPosition, 1);
        // The new game is under way, the table closed again, the window enabled.
        QCOMPARE(f.window.manche, Shown::manche(1));
        QCOMPARE(f.state().Points, 0);
        QVERIFY(!f.window.highScores);
        QVERIFY(f.window.enabled);
        QVERIFY(f.sound.played.contains("TESMO.wav"));
        QCOMPARE(drawnCount(f.file("tesmodat.1")), 7);
        QVERIFY(!f.game->ended());
        // Opening the table during the next game, with points, enters nothing more.
        f.play(f.state().Solution);
        QVERIFY(f.state().Points > 0);
        const QByteArray stored = f.file("TESMO.HIS");
        f.game->Command3d3_Click();
        QCOMPARE(f.file("TESMO.HIS"), stored);
    }

    void endOfGameNo()
    {
        StartedGame f({"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS"});
        f.window.voice = 2;
        f.window.playerName = "Gino";
        f.window.answers = {GameWindow::Answer::No};
        for (int m = 1; m <= Rules::Manches; ++m)
            f.loseManche();
        QVERIFY(f.window.terminated);
        QVERIFY(f.game->ended());
        QCOMPARE(f.window.manche, Shown::manche(Rules::Manches + 1));
        // The table is up while "Ciao" plays, then the program ends.
        const QStringList &log = f.window.log;
        QVERIFY(log.indexOf("highscores") < log.indexOf("sound Ciao-1.wav"));
        QCOMPARE(log.mid(log.indexOf("sound Ciao-1.wav")), (QStringList{"sound Ciao-1.wav", "pause", "terminate"}));
        QCOMPARE(f.file("Tesmo.ini"), QByteArray("Nome=GINO\r\nSuono=2\r\nTentativi=5\r\n"));
        // Nothing runs after the end.
        f.game->Timer1_Timer();
        f.play("PIANO");
        QCOMPARE(f.window.log.last(), QStringLiteral("terminate"));
    }

    // The desktop ends the program (a logout, SIGTERM, SIGHUP): a game over
    // at its question keeps its result, as "No" would; a game under way is
    // left as a close of the window leaves it. The settings on screen are
    // saved; no voice, no table, and nothing runs after.
    void sessionEnds_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("resultKept");
        QTest::newRow("at the end-of-game question") << "question" << true;
        QTest::newRow("at the box of a lost manche") << "manche" << false;
        QTest::newRow("while a guess is typed") << "typing" << false;
    }
    void sessionEnds()
    {
        QFETCH(QString, when);
        QFETCH(bool, resultKept);
        StartedGame f({"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS", "TERRA"});
        f.window.voice = 2;
        f.window.playerName = "Gino";  // typed, the box not yet left
        f.window.onBox = [&](const FakeWindow::Box &box) {
            if ((when == "question" && box.text.startsWith("Mi spiace"))
                || (when == "manche" && box.text.startsWith("La risposta è errata")))
                f.game->endSession();
        };
        f.play("PIANO");  // points to keep
        if (when == "typing") {
            f.window.guess = "CAS";
            f.game->endSession();
        } else {
            for (int m = 1; m <= Rules::Manches && !f.game->ended(); ++m)
                f.loseManche();
        }
        QVERIFY(f.window.terminated && f.game->ended());
        QCOMPARE(f.window.log.count("terminate"), 1);
        QCOMPARE(f.window.highScoresShown, 0);
        QVERIFY(!f.window.log.mid(f.window.log.indexOf("terminate")).join(' ').contains("sound"));
        QVERIFY(!f.sound.played.join(' ').contains("Ciao"));
        QCOMPARE(f.file("Tesmo.ini"), QByteArray("Nome=GINO\r\nSuono=2\r\nTentativi=5\r\n"));
        const QByteArray table = f.file("TESMO.HIS");
        QCOMPARE(table.count("GINO"), resultKept ? 1 : 0);
        if (resultKept)
            QVERIFY(table.startsWith("GINO, " + QByteArray::number(f.state().Points)));
        f.game->Timer1_Timer();
        f.game->endSession();
        f.play("CASSA");
        QCOMPARE(f.window.log.last(), QStringLiteral("terminate"));
    }

    // Found words keep the manche: the game never ends, the points only grow,
    // and a used-up list is released with its message and played again.
    void gameWithoutLossesNeverEnds()
    {
        StartedGame f({"PIANO", "CASSA", "OPERA"});
        qint32 points = 0;
        for (int i = 0; i < 10; ++i) {
            f.play(f.state().Solution);
            QVERIFY(f.state().Points > points);
            points = f.state().Points;
            QCOMPARE(f.window.manche, Shown::manche(1));
        }
        // Eleven draws from three words: the list ran out three times.
        QCOMPARE(f.window.boxes.size(), 3);
        QCOMPARE(f.window.highScoresShown, 0);
        QVERIFY(!f.game->ended());
    }

    void newGameMidManche()
    {
        StartedGame f;
        f.play(f.state().Solution);
        f.play("XXXXX");
        QVERIFY(f.state().Points > 0);
        f.game->Nuova_Click();
        QCOMPARE(f.state().Points, 0);
        QCOMPARE(f.window.manche, Shown::manche(1));
        QCOMPARE(drawnCount(f.file("tesmodat.1")), 3);
    }

    void finePath()
    {
        StartedGame f;
        f.game->Esci_Click();
        QVERIFY(f.window.terminated);
        QCOMPARE(f.file("Tesmo.ini"), QByteArray("Nome=ANONIMO\r\nSuono=-1\r\nTentativi=5\r\n"));
        QCOMPARE(f.window.playerName, QStringLiteral("ANONIMO"));
    }

    void activateClosesTheTable()
    {
        StartedGame f;
        f.game->Command3d3_Click();
        QVERIFY(f.window.highScores);
        f.game->Form_Activate();
        QVERIFY(!f.window.highScores);
    }

    // The peek shows the solution in the name box for the length of its
    // pause, then the box shows the saved name again: an unsaved edit is gone.
    void solutionPeek_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("peeks");
        QTest::newRow("right, ctrl+alt") << int(TesmoGame::RightButton) << int(TesmoGame::CtrlMask | TesmoGame::AltMask) << true;
        QTest::newRow("right, ctrl+alt+shift") << int(TesmoGame::RightButton) << int(TesmoGame::CtrlMask | TesmoGame::AltMask | TesmoGame::ShiftMask) << false;
        QTest::newRow("left, ctrl+alt") << int(TesmoGame::LeftButton) << int(TesmoGame::CtrlMask | TesmoGame::AltMask) << false;
        QTest::newRow("right alone") << int(TesmoGame::RightButton) << 0 << false;
    }
    void solutionPeek()
    {
        QFETCH(int, button);
        QFETCH(int, shift);
        QFETCH(bool, peeks);
        StartedGame f;
        f.window.voice = 1;
        f.state().PlayerName = "LIA";
        f.window.playerName = "Lia Rossi";  // typed, not saved yet
        QStringList shownInPause;
        f.window.onPause = [&] { shownInPause << f.window.playerName; };
        f.game->Picture1_MouseDown(button, shift);
        QCOMPARE(shownInPause, peeks ? QStringList{f.state().Solution} : QStringList());
        QCOMPARE(f.sound.played, peeks ? QStringList{"si.wav"} : QStringList());
        QCOMPARE(f.window.playerName, QStringLiteral("LIA"));
        QCOMPARE(f.state().PlayerName, QStringLiteral("LIA"));

        // With no name held yet, the box's text becomes the name.
        f.state().PlayerName.clear();
        f.window.playerName = "Lia";
        f.game->Picture1_MouseDown(button, shift);
        QCOMPARE(f.state().PlayerName, QStringLiteral("Lia"));
        QCOMPARE(f.window.playerName, QStringLiteral("Lia"));
    }

};

QTEST_GUILESS_MAIN(TestFlow)
#include "tst_flow.moc"
