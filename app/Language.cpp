// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Language.h"

#include <QFileInfo>
#include <QTranslator>

namespace Language {

QString catalogue(const QString &language)
{
    if (language.isEmpty() || language == QLatin1String(Own))
        return QString();
    const QString path = QStringLiteral(":/i18n/tesmo_%1.qm").arg(language);
    return QFileInfo::exists(path) ? path : QString();
}

QString choose(const QStringList &desktop)
{
    for (const QString &entry : desktop) {
        // "en-GB", "en_GB.UTF-8", "en": the most particular name first, then the language alone.
        QString name = entry.section(u'.', 0, 0).section(u'@', 0, 0);
        name.replace(u'-', u'_');
        const QString language = name.section(u'_', 0, 0).toLower();
        if (language == QLatin1String(Own))
            return language;
        for (const QString &candidate : {name, language}) {
            if (!catalogue(candidate).isEmpty())
                return candidate;
        }
    }
    return QString::fromLatin1(Own);
}

bool load(QTranslator *translator, const QString &language)
{
    const QString path = catalogue(language);
    return !path.isEmpty() && translator->load(path);
}

} // namespace Language
