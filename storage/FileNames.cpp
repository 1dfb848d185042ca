// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/FileNames.h"

#include <QFileInfo>

namespace FileNames {

QString resolve(const QDir &dir, const QString &name)
{
    const QString exact = dir.filePath(name);
    const QFileInfo info(exact);
    if (info.exists() || info.isSymLink())
        return exact;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

} // namespace FileNames
