// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the installed game for the installation test, loaded into the real
// program with LD_PRELOAD; the game itself has no hook for it. Once the main
// window shows, it reports the player name found there, then
// - TESMO_DRIVE=fine: types the name given in TESMO_DRIVE_NAME (if any) and
//   presses "Fine";
// - TESMO_DRIVE=game: guesses a word that is never right until the game is
//   over and answers "No" to another game;
// - TESMO_DRIVE=row: guesses once (a rated row), opens the high-score table,
//   reports it and closes it with its "OK", then presses "Fine";
// - TESMO_DRIVE=question: plays as "game" does, but leaves the end-of-game
//   question open and reports QUESTION, for a test to end the program there.
// In "game" and "question", TESMO_DRIVE_WORD (if any) is the first guess.
// Every message box that opens is reported and answered ("No" when it asks,
// otherwise its first button); the congratulations are closed with "OK". Reports go to standard output, one a line:
//   BOX|<title>|<text>      NAME|<text of the name box>      TABLE|<title>
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <utility>

namespace {

void report(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QWidget *visibleWindow(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && window->objectName() == name)
            return window;
    }
    return nullptr;
}

bool answerBox()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        auto *box = qobject_cast<QMessageBox *>(window);
        if (!box || !box->isVisible() || box->buttons().isEmpty())
            continue;
        if (qEnvironmentVariable("TESMO_DRIVE") == QLatin1String("question")
            && box->text().startsWith(QLatin1String("Mi spiace"))) {
            static bool reported = false;
            if (!std::exchange(reported, true))
                report(QStringLiteral("QUESTION|") + box->text());
            return true;
        }
        report(QStringLiteral("BOX|%1|%2").arg(box->windowTitle(), box->text()));
        QAbstractButton *answer = box->buttons().constFirst();
        for (QAbstractButton *button : box->buttons()) {
            if (QString(button->text()).remove(u'&') == QLatin1String("No"))
                answer = button;
        }
        answer->click();
        return true;
    }
    return false;
}

bool busy = false;  // a click of ours is still running (a box of its own is open)

void step()
{
    static bool named = false;
    // A word found in the first manches shows the congratulations: closed with its "OK".
    if (QWidget *congratulations = visibleWindow(QStringLiteral("Form2"))) {
        if (auto *ok = congratulations->findChild<QAbstractButton *>(QStringLiteral("Command3d1")))
            ok->click();
        return;
    }
    if (answerBox() || busy)
        return;
    QWidget *main = visibleWindow(QStringLiteral("Form1"));
    if (!main)
        return;
    auto *name = main->findChild<QLineEdit *>(QStringLiteral("Text2"));
    auto *guess = main->findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *accept = main->findChild<QAbstractButton *>(QStringLiteral("Command3d2"));
    auto *fine = main->findChild<QAbstractButton *>(QStringLiteral("Command3d1"));
    if (!name || !guess || !accept || !fine) {
        report(QStringLiteral("MISSING|a control of the main window"));
        QCoreApplication::exit(3);
        return;
    }
    if (!named) {
        named = true;
        report(QStringLiteral("NAME|") + name->text());
        const QString typed = qEnvironmentVariable("TESMO_DRIVE_NAME");
        if (!typed.isEmpty())
            name->setText(typed);
    }
    // Clicked from a call of its own: a box the click opens runs its own
    // event loop, where this timer must go on firing to answer it.
    busy = true;
    QTimer::singleShot(0, main, [main, guess, accept, fine] {
        static int row = 0;  // the steps of TESMO_DRIVE=row
        if (qEnvironmentVariable("TESMO_DRIVE") == QLatin1String("row") && row < 3) {
            QWidget *table = visibleWindow(QStringLiteral("Form4"));
            if (row == 0) {
                guess->setText(QStringLiteral("12345"));
                accept->click();
                ++row;
            } else if (row == 1) {
                main->findChild<QAbstractButton *>(QStringLiteral("Command3d3"))->click();
                ++row;
            } else if (table) {
                report(QStringLiteral("TABLE|") + table->windowTitle());
                table->findChild<QAbstractButton *>(QStringLiteral("Command3d1"))->click();
                ++row;
            }
        } else if (qEnvironmentVariable("TESMO_DRIVE") == QLatin1String("game")
                   || qEnvironmentVariable("TESMO_DRIVE") == QLatin1String("question")) {
            static bool first = true;
            const QString word = qEnvironmentVariable("TESMO_DRIVE_WORD");
            guess->setText(std::exchange(first, false) && !word.isEmpty() ? word : QStringLiteral("12345"));
            accept->click();
        } else {
            fine->click();
        }
        busy = false;
    });
}

void startDriving()
{
    auto *timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, timer, &step);
    timer->start(50);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriving)
