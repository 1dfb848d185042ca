// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/Properties.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Whatever bytes the game's files hold, every reader keeps its promises: a
// draw changes only marks, and settings and tables come back unchanged
// through the file. The checks are those the fuzz targets make.
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
            QCOMPARE(Properties::settingsRoundTrip(bytes), QString());
            QCOMPARE(Properties::highScoresRoundTrip(bytes), QString());
            QCOMPARE(Properties::wordListOnBuffer(bytes), QString());
        }
    }

    // The fuzzers' seeds and every input that once broke a reader.
    void keptInputs_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator it(QStringLiteral(TESMO_FUZZ_INPUTS), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(QDir(QStringLiteral(TESMO_FUZZ_INPUTS)).relativeFilePath(path))) << path;
        }
    }
    void keptInputs()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QTemporaryDir folder;
        QCOMPARE(Properties::wordListOnBuffer(bytes), QString());
        QCOMPARE(Properties::wordListOnFile(bytes, folder.filePath("tesmodat.1")), QString());
        QCOMPARE(Properties::settingsRoundTrip(bytes, folder.filePath("Tesmo.ini")), QString());
        QCOMPARE(Properties::highScoresRoundTrip(bytes, folder.filePath("TESMO.HIS")), QString());
        QCOMPARE(Properties::wordListUpgrade(bytes, folder.filePath("upgrade")), QString());
    }
};

QTEST_GUILESS_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
