// tesmo-upgrade-list SHIPPED PLAYER
// Brings the player's word list up to the shipped one, keeping the mark of
// every word both lists share. Exit status 0 on success; on failure the
// player's list is left as it was and the status is 1.
#include "storage/WordListUpgrade.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tesmo-upgrade-list SHIPPED PLAYER\n");
        return 2;
    }
    if (!WordListUpgrade::upgrade(args.at(1), args.at(2))) {
        std::fprintf(stderr, "tesmo-upgrade-list: could not bring %s up to %s; it is left as it was\n",
                     qPrintable(args.at(2)), qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
