// tesmo-upgrade-list SHIPPED FOLDER
// Places the shipped word list in the program's folder: copied when the folder
// has no list of that name (in any letter case), otherwise the list the game
// would play is brought up to the shipped one, keeping the mark of every word
// both lists share. Exit status 0 on success; on failure the player's list is
// left as it was and the status is 1.
#include "storage/FileNames.h"
#include "storage/WordListUpgrade.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    const QString shipped = args.at(1);
    const QDir folder(args.at(2));
    // The same lookup as the game's, so the list upgraded is the list played.
    const QString player = FileNames::resolve(folder, QFileInfo(shipped).fileName());
    const bool present = QFileInfo::exists(player);
    const bool ok = present ? WordListUpgrade::upgrade(shipped, player) : QFile::copy(shipped, player);
    if (!ok) {
        std::fprintf(stderr, "tesmo-upgrade-list: could not bring %s up to %s; it is left as it was\n",
                     qPrintable(player), qPrintable(shipped));
        return 1;
    }
    return 0;
}
