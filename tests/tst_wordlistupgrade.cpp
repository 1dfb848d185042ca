// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/TestFiles.h"
#include "storage/WordListUpgrade.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// A newer shipped list meets a player's list: the marks of the games played
// survive, new words come free, and nothing is lost when the upgrade fails.
class TestWordListUpgrade : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void marksOfSharedWordsKept_data()
    {
        QTest::addColumn<QByteArray>("player");
        QTest::addColumn<QByteArray>("shipped");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("drawn kept, new free, removed gone")
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO", "DENTE"}, {"ABACO", "CANTO", "DENTE"})
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO", "ELICA", "FIUME"})
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO", "ELICA", "FIUME"}, {"ABACO", "CANTO"});
        QTest::newRow("any mark but a full stop is drawn")
            << QByteArray("ABACO \r\nBANCO?\r\nCANTO.\r\n")
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO", "DENTE"})
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO", "DENTE"}, {"ABACO", "BANCO"});
        QTest::newRow("whole list used up, new words free")
            << TestFiles::wordList({"ABACO", "BANCO"}, {"ABACO", "BANCO"})
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO"})
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO"}, {"ABACO", "BANCO"});
        QTest::newRow("same words in another order")
            << TestFiles::wordList({"CANTO", "ABACO"}, {"CANTO"})
            << TestFiles::wordList({"ABACO", "CANTO"})
            << TestFiles::wordList({"ABACO", "CANTO"}, {"CANTO"});
        // Lists are compared in 64 KiB blocks (8,192 records): a change in the
        // second block alone must still be seen.
        QStringList many;
        for (int k = 0; k < 9000; ++k)
            many << QString(QChar('A' + k / 676)) + QChar('A' + k / 26 % 26) + QChar('A' + k % 26) + QStringLiteral("XX");
        QStringList changed = many;
        changed[8500] = QStringLiteral("ZZZZZ");
        QTest::newRow("one word changed in the second block")
            << TestFiles::wordList(many, {many[3], many[8500]}) << TestFiles::wordList(changed)
            << TestFiles::wordList(changed, {many[3]});
        QTest::newRow("damaged tail of the player's list dropped")
            << TestFiles::wordList({"ABACO", "BANCO"}, {"BANCO"}) + "CAN"
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO"})
            << TestFiles::wordList({"ABACO", "BANCO", "CANTO"}, {"BANCO"});
    }
    void marksOfSharedWordsKept()
    {
        QFETCH(QByteArray, player);
        QFETCH(QByteArray, shipped);
        QFETCH(QByteArray, expected);
        TestFiles::write(m_dir.path(), "shipped", shipped);
        TestFiles::write(m_dir.path(), "tesmodat.1", player);
        QVERIFY(WordListUpgrade::upgrade(path("shipped"), path("tesmodat.1")));
        QCOMPARE(TestFiles::read(m_dir.path(), "tesmodat.1"), expected);
        QCOMPARE(TestFiles::read(m_dir.path(), "shipped"), shipped);
        // Upgrading again changes nothing.
        QVERIFY(WordListUpgrade::upgrade(path("shipped"), path("tesmodat.1")));
        QCOMPARE(TestFiles::read(m_dir.path(), "tesmodat.1"), expected);
    }

    void sameWordsLeftAsTheyAre()
    {
        // Only the marks differ, and a stray tail follows: a rewrite would show.
        const QByteArray player = TestFiles::wordList({"ABACO", "BANCO", "CANTO"}, {"BANCO"}) + "xy";
        TestFiles::write(m_dir.path(), "shipped", TestFiles::wordList({"ABACO", "BANCO", "CANTO"}));
        TestFiles::write(m_dir.path(), "tesmodat.2", player);
        QVERIFY(WordListUpgrade::upgrade(path("shipped"), path("tesmodat.2")));
        QCOMPARE(TestFiles::read(m_dir.path(), "tesmodat.2"), player);
    }

    void failureLeavesPlayersListUnchanged_data()
    {
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QByteArray>("shippedBytes");
        QTest::addColumn<QString>("player");
        QTest::newRow("shipped list missing") << "absent" << QByteArray() << "tesmodat.3";
        QTest::newRow("shipped list without a whole record") << "short" << QByteArray("ABACO.\r") << "tesmodat.3";
        QTest::newRow("shipped list empty") << "empty" << QByteArray("") << "tesmodat.3";
        QTest::newRow("player's list missing") << "shipped" << TestFiles::wordList({"ABACO"}) << "absent-player";
    }
    void failureLeavesPlayersListUnchanged()
    {
        QFETCH(QString, shipped);
        QFETCH(QByteArray, shippedBytes);
        QFETCH(QString, player);
        const QByteArray before = TestFiles::wordList({"ABACO", "BANCO"}, {"ABACO"});
        TestFiles::write(m_dir.path(), "tesmodat.3", before);
        if (shipped != "absent")
            TestFiles::write(m_dir.path(), shipped, shippedBytes);
        const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
        QVERIFY(!WordListUpgrade::upgrade(path(shipped), path(player)));
        QCOMPARE(TestFiles::read(m_dir.path(), "tesmodat.3"), before);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);
    }

    // What a copy or an upgrade killed half-way left beside the list goes at
    // the next run, whether that run copies or upgrades; other files stay.
    void leftoversOfAKilledRunCleared_data()
    {
        QTest::addColumn<bool>("playerHasList");
        QTest::newRow("copy") << false;
        QTest::newRow("upgrade") << true;
    }
    void leftoversOfAKilledRunCleared()
    {
        QFETCH(bool, playerHasList);
        QTemporaryDir player;
        const QDir folder(player.path());
        const QByteArray list = TestFiles::wordList({"ABACO", "BANCO", "CANTO"});
        TestFiles::write(m_dir.path(), "tesmodat.1", list);
        if (playerHasList)
            TestFiles::write(folder, "tesmodat.1", TestFiles::wordList({"ABACO", "BANCO"}, {"BANCO"}));
        TestFiles::write(folder, "tesmodat.1.tmp-Ab12Cd", list.left(8));
        TestFiles::write(folder, "tesmodat.1.bak", "kept");
        QCOMPARE(WordListUpgrade::place(path("tesmodat.1"), folder),
                 playerHasList ? WordListUpgrade::Placed::Upgraded : WordListUpgrade::Placed::Copied);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), (QStringList{"tesmodat.1", "tesmodat.1.bak"}));
    }

    // Something other than a list under the list's name in the player's
    // folder is left alone: nothing written through a link, nothing created
    // where a dangling link points, no wait on a pipe.
    void notAListIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"link", "dangling", "folder", "pipe"})
            QTest::newRow(kind) << kind;
    }
    void notAListIsLeftAlone()
    {
        QFETCH(QString, kind);
        QTemporaryDir player, outside;
        const QString shipped = path("shipped.1");
        TestFiles::write(m_dir.path(), "shipped.1", TestFiles::wordList({"ABACO", "BANCO"}));
        const QString target = QDir(outside.path()).filePath("elsewhere");
        const QString name = QDir(player.path()).filePath("shipped.1");
        if (kind == "link")
            TestFiles::write(outside.path(), "elsewhere", "not a list");
        QVERIFY(TestFiles::makeNode(name, kind, target));
        QElapsedTimer took;
        took.start();
        QCOMPARE(WordListUpgrade::place(shipped, QDir(player.path())), WordListUpgrade::Placed::NotUpgraded);
        QVERIFY(took.elapsed() < 2000);
        QCOMPARE(QFile::exists(target), kind == "link");
        if (kind == "link")
            QCOMPARE(TestFiles::read(outside.path(), "elsewhere"), QByteArray("not a list"));
        QCOMPARE(QDir(player.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{"shipped.1"});
    }
};

QTEST_GUILESS_MAIN(TestWordListUpgrade)
#include "tst_wordlistupgrade.moc"
