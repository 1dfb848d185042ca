// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/ScriptedAnswers.h"
#include "engine/GameWindow.h"

#include <QList>

#include <functional>
#include <QString>
#include <QStringList>

// Records what the game does to its window and answers its questions.
class FakeWindow : public GameWindow
{
public:
    struct Box
    {
        QString text;
        QString title;
        Buttons buttons;
    };

    QString cellText[30];
    int cellColour[30] = {};
    bool cellVisible[30];
    QString tried[5];
    bool triedWordVisible[5];
    bool triedTitleVisible[5];
    QString manche, points, elapsed = QStringLiteral("aaaaaaaaaaa");
    QString guess, playerName = QStringLiteral("Anonimo");
    int voices = 0, voice = -1, dictionary = -1;
    bool five = true;
    bool productMenuVisible = true;
    QList<Box> boxes;
    QList<Answer> answers;        // answers to yes-or-no questions, in order
    int congratulations = 0;
    int highScoresShown = 0;          // times the table was loaded
    int highScoresRaised = 0;         // requests while it was already open
    bool highScores = false;
    std::function<void()> onHighScoresLoad;
    std::function<void(const Box &)> onBox;   // runs while a box is open
    std::function<void()> onPause;            // runs as a pause begins
    bool enabled = true;
    Pointer pointer = Pointer::Arrow;
    int focusRequests = 0;
    bool terminated = false;
    QStringList log;              // paints, pauses and boxes in the order they came

    FakeWindow()
    {
        for (int i = 0; i < 30; ++i) {
            cellText[i] = QStringLiteral("L");
            cellVisible[i] = true;
        }
        for (int k = 0; k < 5; ++k)
            triedWordVisible[k] = triedTitleVisible[k] = true;
    }

    // The colours of a board row (1-based), as "15 4 4 2 4".
    QString rowColours(int row) const
    {
        QStringList colours;
        for (int p = 0; p < 5; ++p)
            colours << QString::number(cellColour[5 * (row - 1) + p]);
        return colours.join(u' ');
    }
    QString rowText(int row) const
    {
        QString text;
        for (int p = 0; p < 5; ++p)
            text += cellText[5 * (row - 1) + p];
        return text;
    }

    void setCellText(int cell, const QString &text) override { cellText[cell] = text; }
    void setCellColour(int cell, int colour) override
    {
        cellColour[cell] = colour;
        log << QStringLiteral("paint %1 %2").arg(cell).arg(colour);
    }
    void setCellVisible(int cell, bool visible) override { cellVisible[cell] = visible; }
    void setTriedWord(int line, const QString &word) override { tried[line] = word; }
    void setTriedWordVisible(int line, bool visible) override { triedWordVisible[line] = visible; }
    void setTriedTitleVisible(int line, bool visible) override { triedTitleVisible[line] = visible; }
    void setMancheText(const QString &text) override { manche = text; }
    void setPointsText(const QString &text) override { points = text; }
    void setElapsedText(const QString &text) override { elapsed = text; }
    QString guessText() const override { return guess; }
    void setGuessText(const QString &text) override { guess = text; }
    QString playerNameText() const override { return playerName; }
    void setPlayerNameText(const QString &text) override { playerName = text; }
    bool focusGuess() override
    {
        ++focusRequests;
        return true;
    }
    int voiceCount() const override { return voices; }
    void fillLists() override { voices = 3; }
    int voiceIndex() const override { return voice; }
    void setVoiceIndex(int index) override { voice = index; }
    void setDictionaryIndex(int index) override { dictionary = index; }
    bool fiveAttemptsSelected() const override { return five; }
    void selectAttempts(int attempts) override { five = attempts == 5; }
    void setProductMenuVisible(bool visible) override { productMenuVisible = visible; }
    Answer messageBox(const QString &text, const QString &title, Buttons buttons) override
    {
        boxes.append({text, title, buttons});
        log << QStringLiteral("box ") + title;
        if (onBox)
            onBox(boxes.last());
        return scriptedAnswer(answers, buttons);
    }
    void showCongratulations() override
    {
        ++congratulations;
        log << QStringLiteral("congratulations");
    }
    void showHighScores() override
    {
        if (highScores) {
            ++highScoresRaised;
            return;
        }
        ++highScoresShown;
        highScores = true;
        enabled = false;  // the table disables the main window while it loads
        log << QStringLiteral("highscores");
        if (onHighScoresLoad)
            onHighScoresLoad();
    }
    bool highScoresOpen() const override { return highScores; }
    void closeHighScores() override { highScores = false; }
    void setMainEnabled(bool on) override { enabled = on; }
    void showAbout() override { log << QStringLiteral("about"); }
    Opened startCommand(const QString &commandLine) override
    {
        log << QStringLiteral("start: ") + commandLine;
        return Opened::Yes;
    }
    void setApplicationPointer(Pointer p) override { pointer = p; }
    void flushPainting() override
    {
        log << QStringLiteral("pause");
        if (onPause)
            onPause();
    }
    void terminate() override
    {
        terminated = true;
        log << QStringLiteral("terminate");
    }
};
