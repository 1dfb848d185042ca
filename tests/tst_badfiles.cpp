#include "TestFiles.h"
#include "storage/HighScores.h"
#include "storage/Settings.h"
#include "storage/WordList.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

// Random bytes from a fixed seed, fed to every reader of the game's files:
// nothing may crash, and a word list never changes size.
class TestBadFiles : public QObject
{
    Q_OBJECT

    static QByteArray junk(QRandomGenerator &random)
    {
        QByteArray bytes(random.bounded(0, 200), '\0');
        for (char &c : bytes) {
            // Mostly the bytes these files are made of, now and then anything.
            static const char usual[] = "ABCXYZ.*, -0123456789\r\n=";
            c = random.bounded(4) ? usual[random.bounded(int(sizeof usual) - 1)] : char(random.bounded(256));
        }
        return bytes;
    }

private slots:
    void randomContent()
    {
        QRandomGenerator random(20091207);
        for (int round = 0; round < 2000; ++round) {
            const QByteArray bytes = junk(random);

            const Settings::Values values = Settings::parse(bytes);
            if (values.voice)
                QVERIFY(*values.voice >= 0 && *values.voice <= 2);

            HighScores::Table table;
            HighScores::load(bytes, &table);
            HighScores::rank(&table);
            for (int i = 1; i < HighScores::NewResultSlot; ++i)
                QVERIFY(table[i - 1].Score >= table[i].Score);
            QCOMPARE(HighScores::serialize(table).count("\r\n"), 50);

            QByteArray list = bytes;
            QBuffer buffer(&list);
            buffer.open(QIODevice::ReadWrite);
            const WordList::DrawResult result = WordList::draw(buffer, random.generateDouble(), {});
            QCOMPARE(list.size(), bytes.size());
            if (result.status == WordList::DrawStatus::Ok)
                QCOMPARE(TestFiles::record(list, result.record).mid(WordList::WordLength), QByteArray("*\r\n"));
            else
                QVERIFY(bytes.size() < 8);
        }
    }
};

QTEST_GUILESS_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
