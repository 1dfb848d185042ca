// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the pseudo-translation the tests play the game under: every text of
// a catalogue, translated as itself between ⟦ and ⟧, so that a text shown
// without the brackets is one that never went through the catalogue.
//   pseudo_catalogue IN.ts OUT.ts

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudo_catalogue IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "pseudo_catalogue: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    QString source, comment;
    int messages = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QStringView name = reader.name();
            if (name == QLatin1String("context")) {
                writer.writeStartElement(QStringLiteral("context"));
            } else if (name == QLatin1String("name") && !reader.isWhitespace()) {
                writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
            } else if (name == QLatin1String("message")) {
                source.clear();
                comment.clear();
            } else if (name == QLatin1String("source")) {
                source = reader.readElementText();
            } else if (name == QLatin1String("comment")) {
                comment = reader.readElementText();
            }
        } else if (reader.isEndElement()) {
            const QStringView name = reader.name();
            if (name == QLatin1String("context")) {
                writer.writeEndElement();
            } else if (name == QLatin1String("message")) {
                writer.writeStartElement(QStringLiteral("message"));
                writer.writeTextElement(QStringLiteral("source"), source);
                if (!comment.isEmpty())
                    writer.writeTextElement(QStringLiteral("comment"), comment);
                writer.writeTextElement(QStringLiteral("translation"), u'⟦' + source + u'⟧');
                writer.writeEndElement();
                ++messages;
            }
        }
    }
    writer.writeEndDocument();
    if (reader.hasError() || messages == 0 || !out.flush()) {
        std::fprintf(stderr, "pseudo_catalogue: %s: %s\n", argv[1],
                     reader.hasError() ? qPrintable(reader.errorString()) : "no texts");
        return 1;
    }
    return 0;
}
