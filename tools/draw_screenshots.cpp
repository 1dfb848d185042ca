// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the game's windows from the real ones, on a fixed draw: the main
// window after a rated row, the table of high scores, the congratulations
// and the about window.
//   draw_screenshots FOLDER [REFERENCE]
// writes FOLDER/main.png, hiscores.png, congratulations.png and about.png;
// with a REFERENCE folder, also tells how many pixels of each differ from the
// picture of the same name there, and fails when any does.
// The first two are the screenshots software centres show; the copies of all
// four in docs/screenshots pin the windows' look, and the tests also draw
// them under other styles and desktop themes and compare them with the
// default look. They are drawn in Italian, or in the language named by
// TESMO_SCREENSHOTS_LANGUAGE (such as "en").

#include "app/Language.h"
#include "app/Startup.h"
#include "storage/HighScores.h"
#include "tests/FakeServices.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "WordLists.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QToolTip>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

bool write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Tells how many pixels of a window differ from its reference picture.
bool compare(const QString &name, const QImage &picture, const QDir &reference)
{
    const QImage expected(reference.filePath(name + QStringLiteral(".png")));
    if (expected.size() != picture.size()) {
        std::printf("%s: %dx%d, the reference is %dx%d\n", qPrintable(name), picture.width(), picture.height(),
                    expected.width(), expected.height());
        return false;
    }
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    qint64 differ = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && !differ++)
                first = QPoint(x, y);
        }
    }
    std::printf("%s: %lld of %lld pixels differ (%.2f %%)", qPrintable(name), differ,
                qint64(a.width()) * a.height(), 100.0 * differ / (qint64(a.width()) * a.height()));
    if (differ)
        std::printf(", the first at %d, %d", first.x(), first.y());
    std::printf("\n");
    return differ == 0;
}

// Relative luminance and contrast ratio, as the web's accessibility guidelines define them.
double luminance(const QColor &colour)
{
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast of text on its background in what follows the
// desktop: a message box, the menus, the tooltips.
double leastContrast(QWidget *mainWindow, QMenu *menu)
{
    QMessageBox box(mainWindow);
    box.ensurePolished();
    menu->ensurePolished();
    // As they are shown: active, whatever state the window behind them is in.
    QPalette b = box.palette(), m = menu->palette(), t = QToolTip::palette();
    for (QPalette *palette : {&b, &m, &t})
        palette->setCurrentColorGroup(QPalette::Active);
    return std::min({contrast(b.color(QPalette::WindowText), b.color(QPalette::Window)),
                     contrast(b.color(QPalette::ButtonText), b.color(QPalette::Button)),
                     contrast(m.color(QPalette::Text), m.color(QPalette::Window)),
                     contrast(m.color(QPalette::WindowText), m.color(QPalette::Window)),
                     contrast(m.color(QPalette::HighlightedText), m.color(QPalette::Highlight)),
                     contrast(t.color(QPalette::ToolTipText), t.color(QPalette::ToolTipBase))});
}

// Whether the border of each board cell and tried-word label is as wide on
// every side, in device pixels, as a one-pixel line at this scale.
bool evenBorders(Form1 &form, const QImage &picture)
{
    const qreal scale = picture.devicePixelRatio();
    const int line = std::max(1, qRound(scale));
    QList<QLabel *> labels(std::begin(form.Label1), std::begin(form.Label1) + 10);
    labels << QList<QLabel *>(std::begin(form.Label9), std::end(form.Label9))
           << QList<QLabel *>(std::begin(form.Label10), std::end(form.Label10));
    auto black = [&](int x, int y) { return picture.pixelColor(x, y).lightness() < 40; };
    int uneven = 0;
    for (QLabel *label : labels) {
        const QRectF r(QPointF(label->mapTo(&form, QPoint())) * scale, QSizeF(label->size()) * scale);
        const int left = qRound(r.left()), top = qRound(r.top()), right = qRound(r.right()) - 1,
                  bottom = qRound(r.bottom()) - 1, midX = (left + right) / 2, midY = (top + bottom) / 2;
        auto run = [&](int x, int y, int dx, int dy) {
            int n = 0;
            while (n < 8 && black(x + n * dx, y + n * dy))
                ++n;
            return n;
        };
        const int sides[] = {run(left, midY, 1, 0), run(right, midY, -1, 0), run(midX, top, 0, 1), run(midX, bottom, 0, -1)};
        for (int side : sides) {
            if (side != line) {
                std::printf("border of %s: %d %d %d %d device pixels, not %d\n", qPrintable(label->objectName()),
                            sides[0], sides[1], sides[2], sides[3], line);
                ++uneven;
                break;
            }
        }
    }
    if (!uneven)
        std::printf("borders: %lld labels, %d device pixels on every side\n", qlonglong(labels.size()), line);
    return !uneven;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // What the desktop asks for, before the game's windows set their own look.
    std::printf("desktop: style %s, windows %s, text %s\n", qPrintable(QApplication::style()->name()),
                qPrintable(QApplication::palette().color(QPalette::Window).name()),
                qPrintable(QApplication::palette().color(QPalette::WindowText).name()));
    // In Italian, whatever the desktop's language, unless another is asked for.
    const QString asked = qEnvironmentVariable("TESMO_SCREENSHOTS_LANGUAGE", QString::fromLatin1(Language::Own));
    const QString language = Startup::prepareApplication({asked});
    if (language == QLatin1String(Language::Own))
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir work;
    const QDir dir(work.path());

    // One word to find, and a table that has seen a few games.
    HighScores::Table table;
    const std::pair<const char *, qint16> players[] = {
        {"GIOIA", 1570}, {"MARCO", 1320}, {"ANONIMO", 990}, {"LUCIA", 780}, {"PIERO", 450},
    };
    for (size_t i = 0; i < std::size(players); ++i)
        table[i] = HighScores::Entry{QString::fromLatin1(players[i].first), players[i].second};
    // The same word in every list: each language starts on its own.
    for (const WordLists::List &list : WordLists::All) {
        if (!write(dir, QStringLiteral("tesmodat.%1").arg(list.number), "PIANO.\r\n"))
            return 1;
    }
    if (!write(dir, QStringLiteral("tesmodat.1"), "PIANO.\r\n")
        || !write(dir, QStringLiteral("TESMO.HIS"), HighScores::serialize(table))
        || !write(dir, QStringLiteral("Tesmo.ini"), "Nome=LUCIA\r\nSuono=1\r\nTentativi=5\r\n"))
        return 1;

    FakeClock clock;
    FakeRandom random;  // the revealed letter: the first
    FakeSound sound;
    Form1 form(Form1::Services{&clock, &random, &sound, dir});
    form.setMessageResponder([](const QString &, const QString &, GameWindow::Buttons) { return GameWindow::Answer::Ok; });
    form.load();
    form.show();
    form.Text1->setText(QStringLiteral("PIZZA"));
    form.game().Command3d2_Click();
    form.Text1->setText(QStringLiteral("PIA"));
    form.game().AGGIORNATEMPO();
    QList<std::pair<QString, QImage>> pictures{{QStringLiteral("main"), form.grab().toImage()}};
    const bool even = evenBorders(form, pictures.first().second);
    form.game().Command3d3_Click();
    if (!form.form4())
        return 1;
    pictures.append({QStringLiteral("hiscores"), form.form4()->grab().toImage()});
    Form2 *congratulations = form.form2();
    congratulations->prepare();
    congratulations->show();
    pictures.append({QStringLiteral("congratulations"), congratulations->grab().toImage()});
    congratulations->hide();
    Form3 about(&form, [](const QString &) {}, [](bool) {});
    about.show();
    pictures.append({QStringLiteral("about"), about.grab().toImage()});

    const double least = leastContrast(&form, form.File);
    std::printf("message boxes, menus, tooltips: contrast at least %.1f:1\n", least);
    bool same = least >= 4.5 && even;
    for (const auto &[name, picture] : pictures) {
        if (!picture.save(out.filePath(name + QStringLiteral(".png"))))
            return 1;
        if (argc > 2)
            same = compare(name, picture, QDir(QString::fromLocal8Bit(argv[2]))) && same;
    }
    return same ? 0 : 1;
}
