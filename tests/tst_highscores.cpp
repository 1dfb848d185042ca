// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "engine/Rules.h"
#include "storage/HighScores.h"

#include <QFile>
#include <QtTest>

// The fifty best results: the file, the ranking and the rows shown.
class TestHighScores : public QObject
{
    Q_OBJECT

    static QByteArray fileOf(const QList<QPair<QString, int>> &entries)
    {
        HighScores::Table table;
        for (int i = 0; i < entries.size(); ++i)
            table[i] = {entries[i].first, qint16(entries[i].second)};
        return HighScores::serialize(table);
    }

    static QList<QByteArray> lines(const QByteArray &file)
    {
        QList<QByteArray> out = file.split('\n');
        out.removeLast();
        return out;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::newRow("as written") << QByteArray("GIOCATORE, 150 ") << "GIOCATORE" << 150;
        QTest::newRow("blank rank") << QByteArray(", 0 ") << "" << 0;
        QTest::newRow("negative") << QByteArray("A,-5 ") << "A" << -5;
        QTest::newRow("leading blanks dropped") << QByteArray("   PIA, 10 ") << "PIA" << 10;
        QTest::newRow("trailing blanks kept") << QByteArray("PIA , 10 ") << "PIA " << 10;
        QTest::newRow("comma in the name") << QByteArray("ROSSI, MARIO, 300 ") << "ROSSI, MARIO" << 300;
        QTest::newRow("no comma") << QByteArray("SOLO") << "SOLO" << 0;
        QTest::newRow("not a number") << QByteArray("A, tanti ") << "A" << 0;
        QTest::newRow("too high") << QByteArray("A, 99999 ") << "A" << 32767;
        QTest::newRow("too low") << QByteArray("A,-99999 ") << "A" << -32768;
        QTest::newRow("latin-1") << QByteArray("NICCOL\xd2, 7 ") << QStringLiteral("NICCOLÒ") << 7;
    }
    void parseLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, name);
        QFETCH(int, score);
        const HighScores::Entry entry = HighScores::parseLine(line);
        QCOMPARE(entry.Name, name);
        QCOMPARE(int(entry.Score), score);
    }

    void rowFormat_data()
    {
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("row");
        QTest::newRow("italian") << 5 << "GIOCATORE" << 150 << "it_IT" << "  05 - GIOCATORE     00.150 - Italiano";
        QTest::newRow("seven") << 12 << "ABC" << 7 << "it_IT" << "  12 - ABC           00.007 - Italiano";
        QTest::newRow("long name") << 50 << "ABCDEFGHIJKLMNOPQRST" << 32767 << "it_IT"
                                   << "  50 - ABCDEFGHIJKLM 32.767 - Italiano";
        QTest::newRow("blank") << 1 << "" << 0 << "it_IT" << "  01 -               00.000 - Italiano";
        QTest::newRow("english") << 3 << "ANN" << 1234 << "en_US" << "  03 - ANN           01,234 - Italiano";
        QTest::newRow("percent in name") << 2 << "%1%2" << 1 << "it_IT" << "  02 - %1%2          00.001 - Italiano";
    }
    void rowFormat()
    {
        QFETCH(int, rank);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QString, locale);
        QFETCH(QString, row);
        const QString formatted = HighScores::formatRow(rank, {name, qint16(score)}, QLocale(locale));
        QCOMPARE(formatted, row);
        QCOMPARE(formatted.size(), 38);
    }

    void freshInstall()
    {
        GameFixture f;
        f.enterResult("GIOCATORE", 120);
        const QList<QByteArray> written = lines(f.file("TESMO.HIS"));
        QCOMPARE(written.size(), Rules::HighScoreRanks);
        QCOMPARE(written[0], QByteArray("GIOCATORE, 120 \r"));
        for (int i = 1; i < Rules::HighScoreRanks; ++i)
            QCOMPARE(written[i], QByteArray(", 0 \r"));
        QCOMPARE(f.table.matchPosition, 1);
        QCOMPARE(f.table.best, QStringLiteral("GIOCATORE"));
        QCOMPARE(f.table.rows.size(), Rules::HighScoreRanks);
        QVERIFY(!f.game->resultPending());
    }

    void zeroPointsIsNotKept()
    {
        GameFixture f;
        f.enterResult("GIOCATORE", 0);
        QCOMPARE(f.file("TESMO.HIS"), fileOf({}));
        QCOMPARE(f.table.matchPosition, 0);
        QCOMPARE(f.table.best, QString());
    }

    void tiesKeepTheirOrder()
    {
        GameFixture f;
        TestFiles::write(f.dir, "TESMO.HIS", fileOf({{"A", 500}, {"B", 300}, {"C", 300}, {"D", 100}}));
        f.enterResult("NEW", 300);
        const QList<QByteArray> written = lines(f.file("TESMO.HIS"));
        QCOMPARE(written[3], QByteArray("NEW, 300 \r"));
        QCOMPARE(written[4], QByteArray("D, 100 \r"));
        QCOMPARE(f.table.matchPosition, 4);
    }

    void lowerThanAllFifty()
    {
        GameFixture f;
        QList<QPair<QString, int>> full;
        for (int i = 0; i < Rules::HighScoreRanks; ++i)
            full << qMakePair(QStringLiteral("P%1").arg(i), 1000 - i);
        const QByteArray before = fileOf(full);
        TestFiles::write(f.dir, "TESMO.HIS", before);
        f.enterResult("LOW", 10);
        QCOMPARE(f.file("TESMO.HIS"), before);
        QCOMPARE(f.table.matchPosition, 0);
        // A result equal to the fiftieth falls out as well.
        f.enterResult("SAME", 951);
        QCOMPARE(f.file("TESMO.HIS"), before);
        // One point more takes the last rank, and the table selects it.
        f.enterResult("LAST", 952);
        QCOMPARE(f.table.matchPosition, Rules::HighScoreRanks);
    }

    void enteredOnlyOnce()
    {
        GameFixture f;
        f.enterResult("ONE", 200);
        const QByteArray after = f.file("TESMO.HIS");
        // Opened again from the main window: read and shown, nothing entered or written.
        QFile::remove(f.dir.filePath("TESMO.HIS"));
        TestFiles::write(f.dir, "TESMO.HIS", after);
        f.window.highScores = false;
        f.game->Command3d3_Click();
        QCOMPARE(f.file("TESMO.HIS"), after);
        QCOMPARE(f.table.matchPosition, 1);
    }

    void twoEqualMatchesSelectTheLower()
    {
        GameFixture f;
        TestFiles::write(f.dir, "TESMO.HIS", fileOf({{"ANNA", 300}, {"BOB", 200}, {"ANNA", 200}}));
        f.window.playerName = "Anna";  // the save on the way in upper-cases it
        f.state().Points = 200;
        f.game->Command3d3_Click();
        QCOMPARE(f.table.matchPosition, 3);
    }

    void hugeGameIsClamped()
    {
        GameFixture f;
        f.enterResult("BIG", 40000);
        QCOMPARE(lines(f.file("TESMO.HIS"))[0], QByteArray("BIG, 32767 \r"));
        QCOMPARE(f.table.matchPosition, 1);
    }

    void longNameStoredWhole()
    {
        GameFixture f;
        f.enterResult("ABCDEFGHIJKLMNOPQRST", 10);
        QCOMPARE(lines(f.file("TESMO.HIS"))[0], QByteArray("ABCDEFGHIJKLMNOPQRST, 10 \r"));
        QCOMPARE(f.table.rows[0], QStringLiteral("  01 - ABCDEFGHIJKLM 00.010 - Italiano"));
    }

    void malformedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("firstScore");
        QTest::newRow("empty") << QByteArray() << "NEW" << 50;
        QTest::newRow("no comma") << QByteArray("SOLO\r\n") << "NEW" << 50;
        QTest::newRow("not a number") << QByteArray("X, many \r\nY, 70 \r\n") << "Y" << 70;
        QTest::newRow("lone line feeds") << QByteArray("Y, 70 \nZ, 60 \n") << "Y" << 70;
        QTest::newRow("binary junk") << QByteArray("\xff\xfe\x00\x01, 9\r\n", 9) << "NEW" << 50;
    }
    void malformedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, first);
        QFETCH(int, firstScore);
        GameFixture f;
        TestFiles::write(f.dir, "tesmo.his", content);
        f.enterResult("NEW", 50);
        QCOMPARE(f.game->highScoreTable()[0].Name, first);
        QCOMPARE(int(f.game->highScoreTable()[0].Score), firstScore);
        QCOMPARE(lines(f.file("tesmo.his")).size(), Rules::HighScoreRanks);  // written back under its own name
        QVERIFY(!QFile::exists(f.dir.filePath("TESMO.HIS")));
    }

    // A table exactly as large as what is read of it, with long names and LF
    // ends, read, ranked and written back: within what is read, so that no
    // entry is lost at the next game.
    void tableAtTheReadLimitKeepsEveryEntry()
    {
        GameFixture f;
        QList<QByteArray> entries;
        for (int rank = 1; rank <= Rules::HighScoreRanks; ++rank)
            entries << QByteArray::number(rank) + "N, " + QByteArray::number(3000 - rank) + " \n";
        const qint64 room = Rules::HighScoresReadLimit - entries.join().size();
        for (int rank = 0; rank < Rules::HighScoreRanks; ++rank)  // the names take up the rest
            entries[rank].insert(1 + (rank >= 9), QByteArray(room / Rules::HighScoreRanks + (rank < room % Rules::HighScoreRanks), 'N'));
        const QByteArray content = entries.join();
        QCOMPARE(content.size(), Rules::HighScoresReadLimit);
        TestFiles::write(f.dir, "TESMO.HIS", content);
        for (int game = 1; game <= 2; ++game) {
            f.enterResult("LOW", 1);  // below every entry: all fifty written back
            const QByteArray written = f.file("TESMO.HIS");
            QVERIFY2(written.size() <= Rules::HighScoresReadLimit, qPrintable(QString::number(written.size())));
            HighScores::Table table;
            HighScores::load(written, &table);
            for (int rank = 1; rank <= Rules::HighScoreRanks; ++rank)
                QCOMPARE(int(table[rank - 1].Score), 3000 - rank);
        }
    }

    void linesPastTheTableAreIgnored()
    {
        GameFixture f;
        QByteArray content;
        for (int i = 0; i < Rules::HighScoreRanks + 10; ++i)
            content += QByteArray("P") + QByteArray::number(i) + ", " + QByteArray::number(1000 - i) + " \r\n";
        TestFiles::write(f.dir, "TESMO.HIS", content);
        f.enterResult("NEW", 5000);
        const QList<QByteArray> written = lines(f.file("TESMO.HIS"));
        QCOMPARE(written.size(), Rules::HighScoreRanks);
        QCOMPARE(written[0], QByteArray("NEW, 5000 \r"));
        // The new result on top: the file's first Ranks - 1 lines follow it.
        const int last = Rules::HighScoreRanks - 2;
        QCOMPARE(written[Rules::HighScoreRanks - 1], "P" + QByteArray::number(last) + ", " + QByteArray::number(1000 - last) + " \r");
    }

    void unwritableFileKeepsTheFormer()
    {
        GameFixture f;
        QVERIFY(f.dir.mkdir("TESMO.HIS"));
        f.enterResult("NEW", 80);
        QCOMPARE(f.table.rows[0], QStringLiteral("  01 - NEW           00.080 - Italiano"));
        QVERIFY(QFileInfo(f.dir.filePath("TESMO.HIS")).isDir());
        QVERIFY(!f.game->resultPending());
    }

    void tableOutlivesTheFile()
    {
        GameFixture f;
        f.enterResult("KEPT", 90);
        QFile::remove(f.dir.filePath("TESMO.HIS"));
        f.window.highScores = false;
        f.game->Command3d3_Click();
        QCOMPARE(f.table.best, QStringLiteral("KEPT"));
        QVERIFY(!QFile::exists(f.dir.filePath("TESMO.HIS")));
    }
};

QTEST_GUILESS_MAIN(TestHighScores)
#include "tst_highscores.moc"
