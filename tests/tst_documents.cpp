// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Rules.h"
#include "WordLists.h"

#include <QFile>
#include <QtTest>

// What the players' and packagers' documents say of the rules follows
// engine/Rules.h and tools/wordlists/lists.tsv: a rule or a list changed
// there and not in a document fails here, naming the document.
class TestDocuments : public QObject
{
    Q_OBJECT

    static QString text(const char *path)
    {
        QFile file(QStringLiteral(TESMO_SOURCE_DIR "/") + QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).simplified();
    }

    static QString n(double value) { return QString::number(value); }

private slots:
    // The points and the name limit, as each document words them.
    void rules_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("phrase");
        const auto *p = Rules::LetterPoints;
        const QString letters = n(p[2]) + QStringLiteral(", ") + n(p[3]) + QStringLiteral(", ") + n(p[4]);
        QTest::newRow("README, letters") << "README.md" << letters + QStringLiteral(" or ") + n(p[5]) + QStringLiteral(" points");
        QTest::newRow("players' README, letters") << "docs/README" << letters + QStringLiteral(" or ") + n(p[5]) + QStringLiteral(" points");
        QTest::newRow("LEGGIMI, letters") << "docs/LEGGIMI" << letters + QStringLiteral(" o ") + n(p[5]) + QStringLiteral(" punti");
        QString cells;
        for (int row = 2; row <= 5; ++row)
            cells += QStringLiteral("<td>") + n(p[row]) + QStringLiteral("</td>");
        QTest::newRow("help page, letters") << "data/tesmo.htm" << cells;
        QTest::newRow("English help page, letters") << "data/tesmo.en.htm" << cells;
        QTest::newRow("README, word") << "README.md" << QStringLiteral("finding the word earns ") + n(Rules::WordPoints) + QStringLiteral(" / row");
        QTest::newRow("help page, word") << "data/tesmo.htm" << QStringLiteral("ricevi ") + n(Rules::WordPoints) + QStringLiteral(" diviso");
        QTest::newRow("English help page, word") << "data/tesmo.en.htm" << QStringLiteral("score ") + n(Rules::WordPoints) + QStringLiteral(" divided");
        const int s = Rules::WordSeconds;
        QTest::newRow("help page, example")
            << "data/tesmo.htm"
            << n(Rules::WordPoints / 2) + QStringLiteral(" punti alla riga 2 entro ") + n(s - 1) + QStringLiteral(" secondi, ")
                   + n(Rules::WordPoints / 4) + QStringLiteral(" tra ") + n(s) + QStringLiteral(" e ") + n(2 * s - 1) + QStringLiteral(" secondi");
        QTest::newRow("English help page, example")
            << "data/tesmo.en.htm"
            << n(Rules::WordPoints / 2) + QStringLiteral(" points on row 2 within ") + n(s - 1) + QStringLiteral(" seconds, ")
                   + n(Rules::WordPoints / 4) + QStringLiteral(" between ") + n(s) + QStringLiteral(" and ") + n(2 * s - 1) + QStringLiteral(" seconds");
        QTest::newRow("README, names") << "README.md" << QStringLiteral("Names are kept to ") + n(Rules::NameLength) + QStringLiteral(" characters");
    }
    void rules()
    {
        QFETCH(QString, document);
        QFETCH(QString, phrase);
        QVERIFY2(text(document.toLatin1()).contains(phrase),
                 qPrintable(document + QStringLiteral(" should say \"") + phrase + QStringLiteral("\": bring it up to engine/Rules.h")));
    }

    // Every list of lists.tsv is named wherever the lists are listed.
    void wordLists()
    {
        // How the documents name list N, in English and in Italian.
        const QHash<int, QStringList> terms = {
            {1, {QStringLiteral("Italian"), QStringLiteral("italiane")}},
            {2, {QStringLiteral("English"), QStringLiteral("inglesi")}},
            {3, {QStringLiteral("Latin"), QStringLiteral("latine")}},
        };
        const struct { const char *path; int language; } documents[] = {
            {"README.md", 0}, {"desktop/tesmo.6", 0}, {"debian/control", 0},
            {"desktop/example.tesmo.Tesmo.metainfo.xml", 0}, {"desktop/example.tesmo.Tesmo.metainfo.xml", 1},
            {"docs/README", 0}, {"docs/LEGGIMI", 1}, {"data/tesmo.htm", 1}, {"data/tesmo.en.htm", 0},
        };
        for (const WordLists::List &list : WordLists::All) {
            const QString name = QString::fromUtf8(list.name);
            QVERIFY2(terms.contains(list.number),
                     qPrintable(QStringLiteral("list ") + n(list.number) + QStringLiteral(" (") + name
                                + QStringLiteral(") is named in no document: add it to README.md, docs/LEGGIMI, data/tesmo.htm, "
                                                 "desktop/tesmo.6, the metainfo and debian/control, then to this table")));
            for (const auto &d : documents) {
                const QString term = terms[list.number][d.language];
                QVERIFY2(text(d.path).contains(term),
                         qPrintable(QString::fromLatin1(d.path) + QStringLiteral(" does not name the list ") + name + QStringLiteral(" (\"") + term + QStringLiteral("\")")));
            }
            for (const char *source : {"engine/GameState.h", "ui/Form1.h"})
                QVERIFY2(text(source).contains(name),
                         qPrintable(QString::fromLatin1(source) + QStringLiteral(": the comment on the lists leaves out ") + name));
        }
    }
};

QTEST_GUILESS_MAIN(TestDocuments)
#include "tst_documents.moc"
