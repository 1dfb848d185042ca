// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// tesmo-upgrade-list SHIPPED FOLDER
// Places the shipped word list in the program's folder: copied when the folder
// has no list of that name (in any letter case), otherwise the list the game
// would play is brought up to the shipped one, keeping the mark of every word
// both lists share. Exit status 0 on success; on failure the player's list is
// left as it was and the status is 1.
#include "storage/WordListUpgrade.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tesmo-upgrade-list SHIPPED FOLDER\n");
        return 2;
    }
    const WordListUpgrade::Placed placed = WordListUpgrade::place(args.at(1), QDir(args.at(2)));
    if (placed == WordListUpgrade::Placed::NotCopied || placed == WordListUpgrade::Placed::NotUpgraded) {
        std::fprintf(stderr, "tesmo-upgrade-list: could not place %s in %s; the list there is left as it was\n",
                     qPrintable(args.at(1)), qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
