// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "tests/Shown.h"
#include "storage/TextFile.h"
#include "storage/Settings.h"

#include <QFile>
#include <QtTest>

// The settings file: reading, writing, and the attempt modes it stores.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    // The game's own files are read by position; hand-edited ones by key.
    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("voice");
        QTest::addColumn<int>("attempts");
        QTest::newRow("as written") << QByteArray("Nome=GIOCATORE\r\nSuono=1\r\nTentativi=6\r\n") << "GIOCATORE" << 1 << 6;
        QTest::newRow("blanks around the name") << QByteArray("Nome=  giocatore uno  \r\nSuono=2\r\nTentativi=5\r\n")
                                                << "GIOCATORE UNO" << 2 << 5;
        QTest::newRow("keys not looked at") << QByteArray("ABCDEFGHI\r\nXXXXXX2\r\nYYYYYYYYYY6\r\n") << "FGHI" << 2 << 6;
        QTest::newRow("voice 7") << QByteArray("Nome=A\r\nSuono=7\r\nTentativi=5\r\n") << "A" << 1 << 5;
        QTest::newRow("voice -1") << QByteArray("Nome=A\r\nSuono=-1\r\nTentativi=5\r\n") << "A" << 1 << 5;
        QTest::newRow("voice empty") << QByteArray("Nome=A\r\nSuono=\r\nTentativi=5\r\n") << "A" << 0 << 5;
        QTest::newRow("voice letter") << QByteArray("Nome=A\r\nSuono=x\r\nTentativi=5\r\n") << "A" << 0 << 5;
        QTest::newRow("voice 1.5") << QByteArray("Nome=A\r\nSuono=1.5\r\nTentativi=5\r\n") << "A" << 2 << 5;
        QTest::newRow("voice 0.5") << QByteArray("Nome=A\r\nSuono=0.5\r\nTentativi=5\r\n") << "A" << 0 << 5;
        QTest::newRow("blanks in numbers") << QByteArray("Nome=A\r\nSuono= 2 \r\nTentativi=\t6\r\n") << "A" << 2 << 6;
        QTest::newRow("attempts 5.5") << QByteArray("Nome=A\r\nSuono=0\r\nTentativi=5.5\r\n") << "A" << 0 << 6;
        QTest::newRow("latin-1 name") << QByteArray("Nome=niccol\xf2\r\nSuono=0\r\nTentativi=5\r\n")
                                      << QStringLiteral("NICCOLÒ") << 0 << 5;
        QTest::newRow("bare line feeds") << QByteArray("Nome=A\nSuono=2\nTentativi=6\n") << "A" << 2 << 6;
        QTest::newRow("only line 1 without its key") << QByteArray("ABCDEFGHI\r\nSuono=2\r\nTentativi=6\r\n") << "FGHI" << 2 << 6;
        QTest::newRow("key in capitals in its place") << QByteArray("NOME=lia\r\nsuono=2\r\nTentativi=6\r\n") << "LIA" << 2 << 6;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFNome=MARIO\r\nSuono=2\r\nTentativi=6\r\n") << "MARIO" << 2 << 6;
        QTest::newRow("blanks around =") << QByteArray("Nome = MARIO\r\nSuono = 2\r\nTentativi = 6\r\n") << "MARIO" << 2 << 6;
        QTest::newRow("keys reordered") << QByteArray("Tentativi=6\r\nSuono=2\r\nNome=MARIO\r\n") << "MARIO" << 2 << 6;
        QTest::newRow("blank first line") << QByteArray("\r\nNome=MARIO\r\nSuono=2\r\nTentativi=6\r\n") << "MARIO" << 2 << 6;
        QTest::newRow("keys in any case, moved") << QByteArray("SUONO=0\r\n  nome\t= Lia \r\nTENTATIVI=5") << "LIA" << 0 << 5;
        QTest::newRow("utf-8 name") << QByteArray("Nome=Nicol\xC3\xB2\r\nSuono=0\r\nTentativi=5\r\n")
                                    << QStringLiteral("NICOLÒ") << 0 << 5;
        QTest::newRow("utf-8 beyond the code page") << QByteArray("Nome=\xC5\x81ukasz \xE2\x82\xAC\r\nSuono=0\r\nTentativi=5\r\n")
                                                    << QStringLiteral("UKASZ €") << 0 << 5;
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(int, voice);
        QFETCH(int, attempts);
        const Settings::Values values = Settings::parse(file);
        QCOMPARE(values.name.value(), name);
        QCOMPARE(values.voice.value(), voice);
        QCOMPARE(values.attempts.value(), attempts);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("trailing text") << "3abc" << 3.0;
        QTest::newRow("inner blanks") << "1 2" << 12.0;
        QTest::newRow("fraction") << "2.75" << 2.75;
        QTest::newRow("exponent") << "1E1" << 10.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("nothing") << "" << 0.0;
        QTest::newRow("huge") << "99999999999" << 99999999999.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(TextFile::leadingNumber(text), value);
    }

    // What a hand-edited file says is shown, and written back as the game
    // writes its files, in its own code page.
    void handEditedFileIsWrittenAsTheGamesOwn()
    {
        GameFixture f;
        TestFiles::write(f.dir, "Tesmo.ini", "\xEF\xBB\xBFTentativi = 6\nnome = Nicol\xC3\xB2\nSuono = 2\n");
        f.game->Form_Load();
        QCOMPARE(f.window.playerName, QStringLiteral("NICOLÒ"));
        QCOMPARE(f.window.voice, 2);
        QVERIFY(!f.window.five);
        QVERIFY(f.window.boxes.isEmpty());
        f.game->Text2_LostFocus();
        QCOMPARE(f.file("Tesmo.ini"), QByteArray("Nome=NICOL\xD2\r\nSuono=2\r\nTentativi=6\r\n"));
    }

    void firstStartWithoutFile()
    {
        StartedGame f;
        QCOMPARE(f.window.playerName, QStringLiteral("Anonimo"));
        QCOMPARE(f.window.voice, -1);
        QCOMPARE(f.state().MaxAttempts, qint16(5));
        QVERIFY(!QFile::exists(f.dir.filePath("Tesmo.ini")));
        // Leaving the name box writes the first file; the next game hears the first voice.
        f.game->Text2_LostFocus();
        QCOMPARE(f.file("Tesmo.ini"), QByteArray("Nome=ANONIMO\r\nSuono=-1\r\nTentativi=5\r\n"));
        QCOMPARE(f.window.playerName, QStringLiteral("ANONIMO"));
        f.game->Nuova_Click();
        QCOMPARE(f.window.voice, 1);
    }

    void loadingWritesNothingAndRestartsNothing()
    {
        GameFixture f;
        const QByteArray content = "Nome=  lia \r\nSuono=7\r\nTentativi=9\r\n";  // any count but 5 plays six
        TestFiles::write(f.dir, "tesmo.ini", content);
        f.game->Form_Load();
        QCOMPARE(f.window.playerName, QStringLiteral("LIA"));
        QCOMPARE(f.window.voice, 1);
        QVERIFY(!f.window.five);
        QCOMPARE(f.state().MaxAttempts, qint16(6));
        QCOMPARE(f.file("tesmo.ini"), content);
        QVERIFY(f.window.boxes.isEmpty());
        QCOMPARE(f.state().Manche, qint16(1));
    }

    void shortFileKeepsTheRest()
    {
        GameFixture f;
        f.window.voice = 2;
        f.window.five = false;
        f.state().MaxAttempts = 6;
        TestFiles::write(f.dir, "Tesmo.ini", "Nome=bob\r\n");
        f.game->Form_Load();
        QCOMPARE(f.window.playerName, QStringLiteral("BOB"));
        QCOMPARE(f.window.voice, 2);
        QCOMPARE(f.state().MaxAttempts, qint16(6));
    }

    void writtenUnderTheExistingName()
    {
        GameFixture f;
        TestFiles::write(f.dir, "TESMO.INI", "Nome=A\r\nSuono=0\r\nTentativi=5\r\n");
        f.game->Form_Load();
        f.window.playerName = " Pia ";
        f.window.voice = 2;
        f.game->List1_Click();
        // The name is kept as it reads back: without the blanks around it.
        QCOMPARE(f.window.playerName, QStringLiteral("PIA"));
        QCOMPARE(f.file("TESMO.INI"), QByteArray("Nome=PIA\r\nSuono=2\r\nTentativi=5\r\n"));
        QVERIFY(!QFile::exists(f.dir.filePath("Tesmo.ini")));
        f.game->Nuova_Click();
        QCOMPARE(f.window.playerName, QStringLiteral("PIA"));
    }

    // Switching modes.
    void switchToSixAndBack()
    {
        StartedGame f;
        f.play("XXXXX");
        f.window.five = false;  // the player checked "6 tentativi"
        f.window.log.clear();
        f.game->Option2_Click();
        QCOMPARE(f.window.boxes.size(), 1);
        QCOMPARE(f.window.boxes[0].text, QStringLiteral("Si inizia una nuova partita cambiando il numero di tentativi!"));
        QCOMPARE(f.window.boxes[0].title, QStringLiteral("Tesmo 2009"));
        QCOMPARE(f.window.log.first(), QStringLiteral("box Tesmo 2009"));
        for (int cell = 25; cell < 30; ++cell)
            QVERIFY(f.window.cellVisible[cell]);
        QVERIFY(f.window.triedTitleVisible[4] && f.window.triedWordVisible[4]);
        QCOMPARE(f.file("Tesmo.ini"), QByteArray("Nome=ANONIMO\r\nSuono=-1\r\nTentativi=6\r\n"));
        QCOMPARE(f.window.manche, Shown::manche(1));
        QCOMPARE(f.state().Points, 0);
        QCOMPARE(f.state().MaxAttempts, qint16(6));
        QCOMPARE(f.window.boxes.size(), 1);  // the reload selected six silently

        f.window.five = true;
        f.game->Option1_Click();
        for (int cell = 25; cell < 30; ++cell)
            QVERIFY(!f.window.cellVisible[cell]);
        QVERIFY(!f.window.triedTitleVisible[4] && !f.window.triedWordVisible[4]);
        QCOMPARE(f.state().MaxAttempts, qint16(5));
        QVERIFY(f.file("Tesmo.ini").endsWith("Tentativi=5\r\n"));
    }

    void sameModeDoesNothing()
    {
        StartedGame f;
        const QString solution = f.state().Solution;
        f.game->Option1_Click();
        QVERIFY(f.window.boxes.isEmpty());
        QCOMPARE(f.state().Solution, solution);
    }

    // A switch whose save fails (a read-only settings file) is told, and
    // undone by the new game's settings load: the former count comes back,
    // with its button and its rows, as the file still holds it.
    void switchThatCannotBeSavedComesBack_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("five, switched to six") << 5;
        QTest::newRow("six, switched to five") << 6;
    }
    void switchThatCannotBeSavedComesBack()
    {
        QFETCH(int, stored);
        GameFixture f;
        const QByteArray file = "Nome=A\r\nSuono=0\r\nTentativi=" + QByteArray::number(stored) + "\r\n";
        TestFiles::write(f.dir, "Tesmo.ini", file);
        f.game->Form_Load();
        QCOMPARE(f.state().MaxAttempts, qint16(stored));
        QVERIFY(QFile::setPermissions(f.dir.filePath("Tesmo.ini"), QFile::ReadOwner | QFile::ReadGroup));

        f.window.five = stored == 6;  // the player selects the other button
        if (stored == 5)
            f.game->Option2_Click();
        else
            f.game->Option1_Click();

        QCOMPARE(f.file("Tesmo.ini"), file);
        QCOMPARE(f.window.boxes.size(), 2);  // the notice of the switch, then the failure
        QCOMPARE(f.window.boxes[1].text, QStringLiteral("Il file \"Tesmo.ini\" non si può salvare: il file è di sola lettura."));
        QCOMPARE(f.state().MaxAttempts, qint16(stored));
        QCOMPARE(f.window.five, stored == 5);
        for (int cell = 25; cell < 30; ++cell)
            QCOMPARE(f.window.cellVisible[cell], stored == 6);
        QCOMPARE(f.window.triedTitleVisible[4], stored == 6);
        QCOMPARE(f.window.triedWordVisible[4], stored == 6);
        QCOMPARE(f.state().Manche, qint16(1));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
