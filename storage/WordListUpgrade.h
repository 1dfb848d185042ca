// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/SafeFile.h"

#include <QDir>
#include <QString>

// Moving a player's word list to a newer shipped list without losing the
// marks of the games already played.
namespace WordListUpgrade {

// Brings the player's list at playerPath up to the shipped list at shippedPath. When their words differ,
// the player's file is replaced atomically by the shipped list, with every word that is drawn in the
// player's list marked drawn ('*'). A list with the same words is left as it is. Returns false on failure,
// and then the player's file is unchanged (*why, if given, tells a write that failed).
bool upgrade(const QString &shippedPath, const QString &playerPath, SafeFile::Error *why = nullptr);

// Places a shipped list in a program folder: copied, in one step, when the folder
// holds no list of that name in any letter case; otherwise the list the game would
// play there is upgraded as above. What a copy or an upgrade of the list killed
// half-way left in the folder is cleared first, as the game's start clears it.
// *why tells what stopped a copy or an upgrade that could not be written.
enum class Placed { Copied, Upgraded, NotCopied, NotUpgraded };
Placed place(const QString &shippedPath, const QDir &folder, SafeFile::Error *why = nullptr);

} // namespace WordListUpgrade
