// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/FakeServices.h"
#include "tests/FakeWindow.h"
#include "tests/TestFiles.h"
#include "WordLists.h"
#include "engine/TesmoGame.h"

#include <QTemporaryDir>

#include <memory>

// A game on fakes, in a temporary program folder holding small word lists.
struct GameFixture
{
    QTemporaryDir folder;
    QDir dir;
    FakeWindow window;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    std::unique_ptr<TesmoGame> game;
    TesmoGame::HighScoreListing table;  // what the high-score window showed last

    // The first list's words, unless a test gives its own.
    static inline const QStringList Italian = {QStringLiteral("PIANO"), QStringLiteral("CASSA"),
                                               QStringLiteral("OPERA"), QStringLiteral("PIZZA")};

    explicit GameFixture(const QStringList &italian = Italian)
        : dir(folder.path())
    {
        sound.log = &window.log;
        // Every list of the table: the first with the words given, the others with two words each.
        const QStringList others[] = {{QStringLiteral("HOUSE"), QStringLiteral("WATER")},
                                      {QStringLiteral("AQUAE"), QStringLiteral("TERRA")}};
        for (const WordLists::List &list : WordLists::All)
            TestFiles::write(dir, listFile(list.number),
                             TestFiles::wordList(list.number == 1 ? italian : others[(list.number - 2) % 2]));
        playIn(dir);
        window.onHighScoresLoad = [this] { table = game->AGGIORNARECORD(); };
    }

    // A game on the fixture's fakes in the folder given, with the random
    // draw given (the fixture's fake when none).
    void playIn(const QDir &folder, RandomSource *draw = nullptr)
    {
        dir = folder;
        game = std::make_unique<TesmoGame>(TesmoGame::Services{&clock, draw ? draw : &random, &sound, dir, {}, &window});
    }

    GameState &state() { return game->state(); }

    // The file of word list `number`.
    static QString listFile(int number) { return QStringLiteral("tesmodat.%1").arg(number); }

    // Types a word into the guess box and presses Enter.
    void play(const QString &word)
    {
        window.guess = word;
        game->Text1_KeyPress(13);
    }

    // Plays wrong guesses until the manche is lost.
    void loseManche()
    {
        const int guesses = state().MaxAttempts - state().Attempt;
        for (int i = 0; i < guesses; ++i)
            play(QStringLiteral("XXXXX"));
    }

    QByteArray file(const QString &name) const { return TestFiles::read(dir, name); }

    // Ends a game with this name and these points, as the last lost manche
    // does: the high-score window opens and takes the result in.
    void enterResult(const QString &name, int points)
    {
        window.playerName = state().PlayerName = name;
        state().Points = points;
        game->setResultPending(true);
        window.highScores = false;
        window.showHighScores();
    }
};

// A game on fakes, already started as the program starts it.
struct StartedGame : GameFixture
{
    explicit StartedGame(const QStringList &italian = GameFixture::Italian) : GameFixture(italian) { game->Form_Load(); }
};
