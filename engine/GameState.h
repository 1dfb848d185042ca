// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// Everything about the game in progress. One instance lives in the engine for
// the whole life of the program.
struct GameState
{
    QString Solution = QStringLiteral("     ");  // the hidden word of the manche
    QString Revealed = QStringLiteral("     ");  // per position the known letter or a space
    QString Guess = QStringLiteral("     ");     // the word rated on the current row
    QString Typed;                               // the word the player typed, upper-cased
    qint16 Attempt = 1;                          // current board row, from 1
    qint16 MaxAttempts = 5;                      // 5 or 6 rows per manche
    qint16 Manche = 0;                           // manches of this game not won
    bool Started = false;                        // with Manche 0, false marks a fresh game
    float MancheStart = 0.0f;                    // seconds since midnight when the attempt began (its seconds go by the steady clock)
    qint32 Elapsed = 0;                          // whole seconds of the current attempt
    qint32 Points = 0;
    QString PlayerName;
    qint16 Dictionary = 0;                       // the chosen word list, 1 to WordLists::Count (1 Italiano, 2 English, 3 Latino)
    bool DictionaryArmed = false;                // the word-list choice reacts only once armed
};
