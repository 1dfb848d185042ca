// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's icon, as the game draws it, into a hicolor icon theme
// tree: <folder>/<size>x<size>/apps/<name>.png for each size given, and
// <folder>/scalable/apps/<name>.svg for "scalable".
#include "ui/Artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        QTextStream(stderr) << "usage: export_icons <folder> <icon name> <size>|scalable...\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int k = 3; k < argc; ++k) {
        if (qstrcmp(argv[k], "scalable") == 0) {
            const QString file = root.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"));
            QFile svg(file);
            const QByteArray picture = Artwork::programIconSvg();
            if (!root.mkpath(QStringLiteral("scalable/apps")) || !svg.open(QIODevice::WriteOnly)
                || svg.write(picture) != picture.size() || !svg.flush()) {
                QTextStream(stderr) << "cannot write " << file << '\n';
                return 1;
            }
            continue;
        }
        const int size = std::atoi(argv[k]);
        if (size <= 0) {
            QTextStream(stderr) << "not a size: " << argv[k] << '\n';
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = root.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!root.mkpath(folder) || !Artwork::programIconPicture(size).save(file, "PNG")) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
