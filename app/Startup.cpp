// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include "app/Language.h"
#include "ui/Fonts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Startup {

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
    auto *qtStrings = new QTranslator(QCoreApplication::instance());
    if (qtStrings->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtStrings);
    Fonts::install();
    return language;
}

} // namespace Startup
