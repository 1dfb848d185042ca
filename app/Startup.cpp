// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include "ui/Fonts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Startup {

void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tesmo"));
    auto *qtStrings = new QTranslator(QCoreApplication::instance());
    if (qtStrings->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtStrings);
    Fonts::install();
}

} // namespace Startup
