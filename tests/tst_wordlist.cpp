// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "storage/SafeFile.h"
#include "storage/WordList.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

// Drawing words from the list files: marks, wrap-around, exhaustion, damage.
class TestWordList : public QObject
{
    Q_OBJECT

    static WordList::DrawResult drawFrom(QByteArray *bytes, double r, int *exhaustedCalls = nullptr)
    {
        QBuffer buffer(bytes);
        buffer.open(QIODevice::ReadWrite);
        return WordList::draw(buffer, r, [exhaustedCalls] {
            if (exhaustedCalls)
                ++*exhaustedCalls;
        });
    }

    // The draw as the list format describes it, one record at a time.
    static qint64 referenceDraw(QByteArray *bytes, double r, bool *exhausted)
    {
        const qint64 n = bytes->size() / 8;
        qint64 i = qint64(n * r) + 1;
        qint64 read = 1;
        while (bytes->at((i - 1) * 8 + 5) != '.' && read < n) {
            i = i == n ? 1 : i + 1;
            ++read;
        }
        *exhausted = bytes->at((i - 1) * 8 + 5) != '.';
        if (*exhausted) {
            for (qint64 k = 0; k < n; ++k)
                bytes->replace(k * 8 + 5, 3, ".\r\n");
            i = 1;
        }
        bytes->replace((i - 1) * 8 + 5, 3, "*\r\n");
        return i;
    }

private slots:
    void firstFreeAtOrAfterStart_data()
    {
        QTest::addColumn<QByteArray>("marksBefore");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("record");
        // Start record = floor(N * r) + 1.
        QTest::newRow("free start") << QByteArray("....") << 0.5 << 3;
        QTest::newRow("skips drawn") << QByteArray("..**.") << 0.4 << 5;
        QTest::newRow("wraps to first") << QByteArray(".**") << 0.9 << 1;
        QTest::newRow("wraps past start") << QByteArray("*.***") << 0.7 << 2;
        QTest::newRow("space counts as drawn") << QByteArray(". .") << 0.4 << 3;
        QTest::newRow("r just below one") << QByteArray("....") << 0.999999 << 4;
    }
    void firstFreeAtOrAfterStart()
    {
        QFETCH(QByteArray, marksBefore);
        QFETCH(double, r);
        QFETCH(int, record);
        QStringList words;
        QByteArray bytes;
        for (qsizetype i = 0; i < marksBefore.size(); ++i)
            bytes += QByteArray("WORD") + char('A' + i) + marksBefore.at(i) + "\r\n";
        int exhausted = 0;
        const WordList::DrawResult result = drawFrom(&bytes, r, &exhausted);
        QCOMPARE(result.status, WordList::DrawStatus::Ok);
        QCOMPARE(result.record, record);
        QCOMPARE(result.word, QByteArray("WORD") + char('A' + record - 1));
        QCOMPARE(exhausted, 0);
        QByteArray expected = marksBefore;
        expected[record - 1] = '*';
        QCOMPARE(TestFiles::marks(bytes), expected);
    }

    void onlyRecordThreeFreeThenExhausted()
    {
        const QByteArray start = TestFiles::wordList({"AAAAA", "BBBBB", "CCCCC", "DDDDD", "EEEEE"},
                                                     {"AAAAA", "BBBBB", "DDDDD", "EEEEE"});
        for (double r : {0.0, 0.2, 0.4, 0.6, 0.8, 0.99}) {
            QByteArray bytes = start;
            int exhausted = 0;
            QCOMPARE(drawFrom(&bytes, r, &exhausted).record, 3);
            QCOMPARE(exhausted, 0);
        }
        QByteArray bytes = start;
        drawFrom(&bytes, 0.0);
        int exhausted = 0;
        const WordList::DrawResult result = drawFrom(&bytes, 0.6, &exhausted);
        QCOMPARE(exhausted, 1);
        QVERIFY(result.exhausted);
        QCOMPARE(result.record, 1);
        QCOMPARE(result.word, QByteArray("AAAAA"));
        QCOMPARE(TestFiles::marks(bytes), QByteArray("*...."));
        // The next draw finds free records again, without a message.
        QCOMPARE(drawFrom(&bytes, 0.0, &exhausted).record, 2);
        QCOMPARE(exhausted, 1);
    }

    void releaseRewritesMarkAndLineEnd()
    {
        QByteArray bytes = "AAAAA*\r\nBBBBB xyCCCCC#\n\n";
        int exhausted = 0;
        drawFrom(&bytes, 0.5, &exhausted);
        QCOMPARE(exhausted, 1);
        QCOMPARE(bytes, QByteArray("AAAAA*\r\nBBBBB.\r\nCCCCC.\r\n"));
    }

    void drawnRecordGetsStarAndCrLf()
    {
        QByteArray bytes = "AAAAA.ab";
        drawFrom(&bytes, 0.0);
        QCOMPARE(bytes, QByteArray("AAAAA*\r\n"));
    }

    void tooShortForARecord()
    {
        for (const QByteArray &content : {QByteArray(), QByteArray("ABCDE.\r")}) {
            QByteArray bytes = content;
            QCOMPARE(drawFrom(&bytes, 0.3).status, WordList::DrawStatus::NoRecords);
            QCOMPARE(bytes, content);
        }
    }

    // On a real file: a 41-byte list holds five records and its last byte is
    // never read or changed, not even by a release.
    void fortyOneByteFile()
    {
        QTemporaryDir folder;
        QDir dir(folder.path());
        QByteArray content = TestFiles::wordList({"AAAAA", "BBBBB", "CCCCC", "DDDDD", "EEEEE"},
                                                 {"AAAAA", "BBBBB", "CCCCC", "DDDDD", "EEEEE"});
        content += 'Z';
        TestFiles::write(dir, "tesmodat.1", content);
        QFile file(dir.filePath("tesmodat.1"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        int exhausted = 0;
        const WordList::DrawResult result = WordList::draw(file, 0.99, [&] { ++exhausted; });
        file.close();
        QCOMPARE(exhausted, 1);
        QCOMPARE(result.record, 1);
        const QByteArray after = TestFiles::read(dir, "tesmodat.1");
        QCOMPARE(after.size(), 41);
        QCOMPARE(after.at(40), 'Z');
        QCOMPARE(TestFiles::marks(after.left(40)), QByteArray("*...."));
    }

    // Long lists are scanned and released in blocks: on lists of many blocks,
    // with free records scattered, clustered or absent and stray bytes at the
    // end, a draw picks the same record and leaves the same bytes as a plain
    // record-by-record draw.
    void sameAsRecordByRecord()
    {
        QRandomGenerator random(20091);
        for (int round = 0; round < 40; ++round) {
            const qsizetype n = 1 + random.bounded(30000);
            const int freePerMille = round % 4 == 0 ? 0 : random.bounded(round % 2 ? 3 : 600);
            QByteArray bytes;
            for (qsizetype k = 0; k < n; ++k) {
                const char mark = random.bounded(1000) < freePerMille ? '.' : "** #"[random.bounded(4)];
                bytes += QByteArray::number(k % 100000).rightJustified(5, 'W') + mark + (k % 7 ? "\r\n" : "ab");
            }
            bytes += QByteArray(random.bounded(8), 'Z');
            const double r = round % 5 == 0 ? 0.999999 : random.generateDouble();

            QByteArray expected = bytes;
            bool expectedExhausted = false;
            const qint64 expectedRecord = referenceDraw(&expected, r, &expectedExhausted);
            const WordList::DrawResult result = drawFrom(&bytes, r);
            QCOMPARE(result.status, WordList::DrawStatus::Ok);
            QCOMPARE(result.record, expectedRecord);
            QCOMPARE(result.exhausted, expectedExhausted);
            QCOMPARE(result.word, expected.mid((expectedRecord - 1) * 8, 5));
            QVERIFY2(bytes == expected, qPrintable(QStringLiteral("round %1, %2 records").arg(round).arg(n)));
        }
    }

    // A mark that cannot reach the disk (here the descriptor under a buffered
    // file refuses every write, as a full disk does) makes the list unusable
    // at the draw, not silently at the close.
    void markThatCannotBeWrittenIsAnError()
    {
        QTemporaryDir folder;
        QDir dir(folder.path());
        const QByteArray content = TestFiles::wordList({"AAAAA", "BBBBB", "CCCCC"}, {"BBBBB"});
        TestFiles::write(dir, "tesmodat.1", content);
        const int fd = ::open(QFile::encodeName(dir.filePath("tesmodat.1")).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        for (double r : {0.0, 0.99}) {
            QFile file;
            QVERIFY(file.open(fd, QIODevice::ReadWrite, QFileDevice::DontCloseHandle));
            QCOMPARE(WordList::draw(file, r, {}).status, WordList::DrawStatus::WriteError);
        }
        ::close(fd);
        QCOMPARE(TestFiles::read(dir, "tesmodat.1"), content);
    }

    // Through the game: the exhaustion message, the word in the solution.
    // The list is not locked while the box waits: another copy draws from it
    // at once meanwhile, and the two never draw the same word.
    void exhaustedListThroughTheGame_data()
    {
        QTest::addColumn<bool>("otherCopyDraws");
        QTest::newRow("alone") << false;
        QTest::newRow("another copy draws meanwhile") << true;
    }
    void exhaustedListThroughTheGame()
    {
        QFETCH(bool, otherCopyDraws);
        GameFixture f({"PIANO", "CASSA"});
        TestFiles::write(f.dir, "tesmodat.1", TestFiles::wordList({"PIANO", "CASSA"}, {"PIANO", "CASSA"}));
        f.random.fallback = 0.7;
        QByteArray otherWord;
        f.window.onBox = [&](const FakeWindow::Box &) {
            QElapsedTimer waited;
            waited.start();
            const SafeFile::Lock lock(f.dir, "tesmodat.1");
            QVERIFY(lock.held() && waited.elapsed() < 1000);
            if (otherCopyDraws)
                otherWord = WordList::drawFromFile(f.dir.filePath("tesmodat.1"), 0.0, {}).word;
        };
        f.game->Form_Load();
        QCOMPARE(f.window.boxes.size(), 1);
        QCOMPARE(f.window.boxes[0].text, QStringLiteral("Le parole sono state tutte estratte 'OK' per ripeterle"));
        QCOMPARE(f.window.boxes[0].title, QStringLiteral("TESMO"));
        QCOMPARE(f.state().Solution, otherCopyDraws ? QStringLiteral("CASSA") : QStringLiteral("PIANO"));
        QCOMPARE(otherWord, otherCopyDraws ? QByteArray("PIANO") : QByteArray());
        QCOMPARE(TestFiles::marks(f.file("tesmodat.1")), otherCopyDraws ? QByteArray("**") : QByteArray("*."));
    }

    // A list another copy keeps locked for the whole wait is not drawn
    // from: the player is told, and the game goes on with the next list.
    void lockedListIsNotDrawnFrom()
    {
        GameFixture f;
        const QByteArray before = f.file("tesmodat.1");
        const SafeFile::Lock other(f.dir, "tesmodat.1");
        QVERIFY(other.held());
        f.game->Form_Load();
        QCOMPARE(f.window.boxes.size(), 1);
        QCOMPARE(f.window.boxes[0].text,
                 QStringLiteral("Il file delle parole \"tesmodat.1\" è in uso da un'altra copia del gioco."));
        QCOMPARE(f.file("tesmodat.1"), before);
        QCOMPARE(f.state().Dictionary, qint16(2));
        QVERIFY(!f.game->ended());
    }

    // A list that turns read-only in the middle of a game still gives its
    // words; the player is told once that they cannot be marked, and again
    // only after the marks have worked once more.
    void readOnlyListStillPlays()
    {
        StartedGame f({"PIANO", "CASSA", "OPERA", "PIZZA"});
        const QString path = f.dir.filePath("tesmodat.1");
        const QByteArray marked = f.file("tesmodat.1");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        QStringList solutions{f.state().Solution};
        for (int i = 0; i < 3; ++i) {
            f.play(f.state().Solution);
            solutions << f.state().Solution;
        }
        QCOMPARE(f.window.boxes.size(), 1);
        QCOMPARE(f.window.boxes[0].text,
                 QStringLiteral("Il file delle parole \"tesmodat.1\" non si può scrivere: le parole estratte "
                                "non si possono segnare come già uscite e possono tornare."));
        QCOMPARE(f.file("tesmodat.1"), marked);
        QCOMPARE(f.state().Dictionary, qint16(1));
        QVERIFY(!f.game->ended());
        QVERIFY(solutions.size() == 4 && !solutions.last().isEmpty());

        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        f.play(f.state().Solution);
        QCOMPARE(f.file("tesmodat.1").count('*'), 2);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        f.play(f.state().Solution);
        QCOMPARE(f.window.boxes.size(), 2);
    }

    void listFoundWhateverItsCase()
    {
        GameFixture f;
        QFile::remove(f.dir.filePath("tesmodat.1"));
        TestFiles::write(f.dir, "TESMODAT.1", TestFiles::wordList({"LUPUS"}));
        f.game->Form_Load();
        QCOMPARE(f.state().Solution, QStringLiteral("LUPUS"));
        QCOMPARE(TestFiles::marks(f.file("TESMODAT.1")), QByteArray("*"));
    }

    void switchingListsAndSameList()
    {
        StartedGame f;
        f.play("XXXXX");
        const QByteArray italianAfterOne = f.file("tesmodat.1");
        f.game->Combo1_Click(1);
        QCOMPARE(f.state().Dictionary, qint16(2));
        QCOMPARE(f.state().Manche, qint16(1));
        QCOMPARE(f.state().Points, 0);
        QVERIFY(f.state().Solution == "HOUSE" || f.state().Solution == "WATER");
        QCOMPARE(f.file("tesmodat.1"), italianAfterOne);  // the abandoned word stays drawn
        const QString solution = f.state().Solution;
        const QByteArray english = f.file("tesmodat.2");
        f.game->Combo1_Click(1);
        QCOMPARE(f.state().Solution, solution);
        QCOMPARE(f.file("tesmodat.2"), english);
    }

    // A list that cannot be used is named in a message; the game falls back
    // to the list that worked last (at the start, to the next one), and never
    // damages the file.
    void brokenListFallsBack_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("played");  // the list the game goes on with
        QTest::newRow("missing, chosen") << "missing" << 3 << 1;
        QTest::newRow("a folder, chosen") << "folder" << 2 << 1;
        QTest::newRow("too short, at the start") << "short" << 1 << 2;
    }
    void brokenListFallsBack()
    {
        QFETCH(QString, damage);
        QFETCH(int, list);
        QFETCH(int, played);
        GameFixture f;
        const QString name = GameFixture::listFile(list);
        QFile::remove(f.dir.filePath(name));
        if (damage == "folder")
            QVERIFY(f.dir.mkdir(name));
        else if (damage == "short")
            TestFiles::write(f.dir, name, "ABC");
        f.game->Form_Load();
        if (list != 1)
            f.game->Combo1_Click(list - 1);
        QCOMPARE(f.window.boxes.size(), 1);
        QVERIFY(f.window.boxes[0].text.contains('"' + name + '"'));
        QCOMPARE(f.state().Dictionary, qint16(played));
        QCOMPARE(f.window.dictionary, played - 1);
        QCOMPARE(f.state().Manche, qint16(1));
        QVERIFY(!f.game->ended());
        if (damage == "short")
            QCOMPARE(f.file(name), QByteArray("ABC"));
    }

    // A list that fails in the middle of a game: the others are tried in
    // order; when none works the game ends as "Fine" would, entering its result.
    void listFailingMidGameTriesTheOthers()
    {
        StartedGame f;
        f.play(f.state().Solution);
        const qint32 points = f.state().Points;
        QVERIFY(points > 0);
        QFile::remove(f.dir.filePath("tesmodat.1"));
        f.loseManche();
        QCOMPARE(f.state().Dictionary, qint16(2));
        QCOMPARE(f.window.dictionary, 1);
        QVERIFY(!f.game->ended());
        QCOMPARE(f.state().Points, points);

        for (int number = 2; number <= WordLists::Count; ++number)
            QFile::remove(f.dir.filePath(GameFixture::listFile(number)));
        f.window.playerName = "Lia";
        f.loseManche();
        QVERIFY(f.game->ended());
        QVERIFY(f.window.terminated);
        QVERIFY(f.file("Tesmo.ini").startsWith("Nome=LIA\r\n"));
        QCOMPARE(f.table.best, QStringLiteral("LIA"));
        QVERIFY(f.file("TESMO.HIS").startsWith("LIA, " + QByteArray::number(points) + " \r\n"));
        QVERIFY(f.window.log.indexOf("highscores") < f.window.log.indexOf("terminate"));
    }

    void noUsableListEndsCleanly()
    {
        GameFixture f;
        for (const WordLists::List &list : WordLists::All)
            QFile::remove(f.dir.filePath(GameFixture::listFile(list.number)));
        f.game->Form_Load();
        QCOMPARE(f.window.boxes.size(), WordLists::Count);
        QVERIFY(f.window.terminated);
        QVERIFY(f.game->ended());
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
