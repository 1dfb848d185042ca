// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the pictures that software centres show of the game, from the real
// windows on a fixed draw: the main window after a rated row, and the table
// of high scores.
//   draw_screenshots FOLDER   writes FOLDER/main.png and FOLDER/hiscores.png
// The copies in docs/screenshots are these; a test tells when they differ.

#include "app/Startup.h"
#include "storage/HighScores.h"
#include "tests/FakeServices.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>

namespace {

bool write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::prepareApplication();
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
    if (!form.grab().save(out.filePath(QStringLiteral("main.png"))))
        return 1;
    form.game().Command3d3_Click();
    Form4 *scores = form.form4();
    return scores && scores->grab().save(out.filePath(QStringLiteral("hiscores.png"))) ? 0 : 1;
}
