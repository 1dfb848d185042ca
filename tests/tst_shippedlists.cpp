// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordLists.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The word lists that ship with the game: well-formed records a draw can use,
// every mark free, and none of the words the game never offers a family.
class TestShippedLists : public QObject
{
    Q_OBJECT

    static QSet<QByteArray> excluded(const QString &path)
    {
        QSet<QByteArray> words;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return words;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().split('#').first().trimmed();
            if (!line.isEmpty())
                words.insert(line.toUpper());
        }
        return words;
    }

private slots:
    void list_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("exclusions");
        QTest::addColumn<int>("atLeast");
        for (const WordLists::List &list : WordLists::All)
            QTest::newRow(list.name) << QStringLiteral("tesmodat.%1").arg(list.number) << list.exclusions << list.atLeast;
    }
    void list()
    {
        QFETCH(QString, name);
        QFETCH(QString, exclusions);
        QFETCH(int, atLeast);
        const QSet<QByteArray> never = excluded(QDir(QStringLiteral(TESMO_WORDLISTS_DIR)).filePath(exclusions));
        QVERIFY2(!never.isEmpty(), qPrintable(exclusions + " is missing or empty"));
        for (const QByteArray &word : never)
            QVERIFY2(QRegularExpression("^[A-Z]{5}$").match(QString::fromLatin1(word)).hasMatch(), word.constData());

        QFile file(QDir(QStringLiteral(TESMO_DATA_DIR)).filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size() % 8, 0);
        static const QRegularExpression record("^[A-Z]{5}\\.\r\n$");
        QByteArray previous;
        int count = 0;
        while (!file.atEnd()) {
            const QByteArray bytes = file.read(8);
            ++count;
            const QByteArray at = name.toLatin1() + " record " + QByteArray::number(count) + ": " + bytes.left(5);
            QVERIFY2(record.match(QString::fromLatin1(bytes)).hasMatch(), at.constData());
            const QByteArray word = bytes.left(5);
            QVERIFY2(!never.contains(word), at.constData());
            QVERIFY2(previous < word, (at + " is out of order or repeated").constData());
            previous = word;
        }
        QVERIFY2(count >= atLeast, qPrintable(QString::number(count)));
    }
};

QTEST_GUILESS_MAIN(TestShippedLists)
#include "tst_shippedlists.moc"
