// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include "ui/Fonts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
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

void installQtStrings(const QString &folder)
{
    // Searched last: Qt's catalogue, installed after it, answers first.
    QCoreApplication::installTranslator(new OwnQtStrings(QCoreApplication::instance()));
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(QStringLiteral("qtbase_it"), folder))
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
}

void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tesmo"));
    installQtStrings(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Fonts::install();
}

} // namespace Startup
