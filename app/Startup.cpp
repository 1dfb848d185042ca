// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include "app/Language.h"
#include "ui/Fonts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

namespace {

// The game's own copy of the Qt strings it shows, in the words of Qt's
// Italian catalogue: the context menu of a text box.
class OwnQtStrings : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        static const std::pair<const char *, const char *> lineEdit[] = {
            {"&Undo", "Ann&ulla"}, {"&Redo", "&Rifai"},     {"Cu&t", "&Taglia"},           {"&Copy", "&Copia"},
            {"&Paste", "&Incolla"}, {"Delete", "Elimina"}, {"Select All", "Seleziona tutto"},
        };
        if (qstrcmp(context, "QLineEdit") == 0) {
            for (const auto &[english, italian] : lineEdit) {
                if (qstrcmp(source, english) == 0)
                    return QString::fromUtf8(italian);
            }
        }
        return {};
    }
};

} // namespace

namespace Startup {

// Qt's own strings in Italian: from Qt's catalogue when it is there, else
// from the game's own copy. Searched last: Qt's catalogue, installed after
// it, answers first.
void installQtStrings(const QString &folder)
{
    QCoreApplication::installTranslator(new OwnQtStrings(QCoreApplication::instance()));
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(QStringLiteral("qtbase_it"), folder))
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
}

QString prepareApplication(const QStringList &languages)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tesmo"));
    const QString language = Language::choose(languages);
    auto *gameStrings = new QTranslator(QCoreApplication::instance());
    if (Language::load(gameStrings, language)) {
        QCoreApplication::installTranslator(gameStrings);
        // Numbers are written as the player's language writes them.
        QLocale::setDefault(QLocale(language));
    } else {
        delete gameStrings;
    }
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == QLatin1String(Language::Own)) {
        installQtStrings(qtFolder);
    } else {
        auto *qtStrings = new QTranslator(QCoreApplication::instance());
        if (qtStrings->load(QStringLiteral("qtbase_") + language, qtFolder))
            QCoreApplication::installTranslator(qtStrings);
        else
            delete qtStrings;
    }
    Fonts::install();
    return language;
}

} // namespace Startup
