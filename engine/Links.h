// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the maker can be reached: the pages and the mail address that the
// menus, the link label and the about window open.
namespace Links {

inline const QString HomePage = QStringLiteral("https://tesmo.example/");   // ends with "/"
inline const QString ShopPage = HomePage + QStringLiteral("acquistavlp.asp");
inline const QString MailAddress = QStringLiteral("autore@tesmo.example");
inline const QString SiteName = QStringLiteral("tesmo.example");            // shown by the link label

} // namespace Links
