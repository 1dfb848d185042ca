// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/ProgramFolder.h"
#include "app/SessionEnd.h"
#include "app/Startup.h"
#include "app/SystemServices.h"
#include "sound/OpenAlSoundPlayer.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    CommandLine::Options options;
    if (const std::optional<int> status = CommandLine::answer(argc, argv, &options))
        return *status;
    Fonts::preload();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TESMO_APP_ID));
    const QString language = Startup::prepareApplication();

    // The program's folder holds the word lists and the files the game
    // writes; it is also the folder the game works in. Voices and pages are
    // read where they were installed.
    const ProgramFolder::Choice folders = ProgramFolder::choose(
        QCoreApplication::applicationDirPath(), QStringLiteral(TESMO_DATA_FROM_BIN), ProgramFolder::userFolder());
    if (!folders.ok) {
        showMessageBox(nullptr, ProgramFolder::failureMessage(
                           folders.homeless ? QString() : folders.program.absolutePath(), folders.error), QCoreApplication::translate("ProgramFolder", "TESMO"),
                       GameWindow::Buttons::Ok);
        return 1;
    }
    // From here on the folder is the one found now, whatever its path becomes.
    const QDir program = ProgramFolder::pin(folders.program);
    QDir::setCurrent(program.absolutePath());

    SystemClock clock;
    SystemRandom random;
    OpenAlSoundPlayer sound(folders.installed, language == QLatin1String(Language::Own) ? QString() : language);

    Form1 form(Form1::Services{&clock, &random, &sound, program, folders.installed.absolutePath()});
    if (options.colourBlind)
        form.setBoardColours(BoardColours::ColourBlind);
    // A logout, a closed terminal or the session's end ends the game the
    // way the window's close does, keeping a result that waits at the end
    // of a game and the settings.
    const SessionEnd sessionEnd([&form] {
        endMessageBoxes();  // a question open now is left unanswered
        form.game().endSession();
    });
    form.load();
    // The game ends right after starting its goodbye: the voice player,
    // gone last, waits for it to be heard.
    if (form.terminated())
        return 0;
    form.show();
    return app.exec();
}
