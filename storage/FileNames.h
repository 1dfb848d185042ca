// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QString>

namespace FileNames {

// The path of the entry in dir whose name equals name without regard to
// letter case, whatever kind of entry it is (a link is not followed). An
// exact match wins; with no match at all the path is dir/name, so that a
// file written there is created under the given name.
QString resolve(const QDir &dir, const QString &name);

} // namespace FileNames
