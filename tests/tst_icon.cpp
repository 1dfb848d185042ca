// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The icon theme's scalable picture, as a desktop draws it (librsvg), is the
// artwork of the fixed sizes: the largest one pixel for pixel, and that one
// doubled at twice its size.
class TestIcon : public QObject
{
    Q_OBJECT

private slots:
    void scalableIsTheDrawnIcon_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("256 px") << 256;
        QTest::newRow("512 px") << 512;
    }

    void scalableIsTheDrawnIcon()
    {
        QFETCH(int, size);
        const QString icon = QStringLiteral(TESMO_ICONS_DIR "/%1/apps/" TESMO_APP_ID ".%2");
        const QImage drawn(icon.arg("256x256", "png"));
        QCOMPARE(drawn.size(), QSize(256, 256));
        const QTemporaryDir folder;
        const QString png = folder.filePath(QStringLiteral("svg.png"));
        QCOMPARE(QProcess::execute(QStringLiteral("rsvg-convert"),
                                   {"-w", QString::number(size), "-h", QString::number(size), icon.arg("scalable", "svg"), "-o", png}),
                 0);
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_ARGB32),
                 drawn.convertToFormat(QImage::Format_ARGB32).scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
};

QTEST_MAIN(TestIcon)
#include "tst_icon.moc"
