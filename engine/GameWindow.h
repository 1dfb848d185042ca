// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The operations the game performs on its main window. The Qt window
// implements them with real widgets; tests implement them with a recorder.
// Selecting an entry from here never raises the control's own handler: the
// engine calls the handler itself where the game wants it to run.
class GameWindow
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    enum class Pointer { Arrow, Hand };

    virtual ~GameWindow() = default;

    // The board: Label1(0) .. Label1(29); colours are palette numbers 0..15.
    virtual void setCellText(int cell, const QString &text) = 0;
    virtual void setCellColour(int cell, int colour) = 0;
    virtual void setCellVisible(int cell, bool visible) = 0;
    // A row (1..6) has been rated and painted; the opening row counts too.
    virtual void rowRated(int row) { (void)row; }

    // Tried words Label10(0) .. Label10(4) and the fifth line Label9(4)/Label10(4).
    virtual void setTriedWord(int line, const QString &word) = 0;
    virtual void setTriedWordVisible(int line, bool visible) = 0;
    virtual void setTriedTitleVisible(int line, bool visible) = 0;

    // Displays.
    virtual void setMancheText(const QString &text) = 0;   // Label5
    virtual void setPointsText(const QString &text) = 0;   // Label2
    virtual void setElapsedText(const QString &text) = 0;  // Label8

    // Text boxes: Text1 (guess) and Text2 (player name).
    virtual QString guessText() const = 0;
    virtual void setGuessText(const QString &text) = 0;
    virtual QString playerNameText() const = 0;
    virtual void setPlayerNameText(const QString &text) = 0;
    // Gives Text1 the keyboard focus; false when that is not possible.
    virtual bool focusGuess() = 0;

    // Lists and option buttons.
    virtual int voiceCount() const = 0;                    // entries of List1
    virtual void fillLists() = 0;                          // List1 and Combo1 entries
    virtual int voiceIndex() const = 0;                    // -1 none, 0..2
    virtual void setVoiceIndex(int index) = 0;
    virtual void setDictionaryIndex(int index) = 0;        // Combo1, from 0
    virtual bool fiveAttemptsSelected() const = 0;         // Option1 checked
    virtual void selectAttempts(int attempts) = 0;         // check Option1 (5) or Option2
    virtual void setProductMenuVisible(bool visible) = 0;  // VLP and its separator

    // Modal boxes and the other windows.
    virtual Answer messageBox(const QString &text, const QString &title, Buttons buttons) = 0;
    virtual void showCongratulations() = 0;                // modal; returns when closed
    virtual void showHighScores() = 0;                     // not modal
    virtual bool highScoresOpen() const = 0;
    virtual void closeHighScores() = 0;
    virtual void setMainEnabled(bool enabled) = 0;
    virtual void showAbout() = 0;                          // modal; returns when closed

    // Opens a page, a mail or a local file with the desktop's own application:
    // "Start " or "start " followed by the target. Returns at once, without
    // waiting for the application, saying whether the desktop took the target.
    enum class Opened { Yes, NoFile, NoApplication };
    virtual Opened startCommand(const QString &commandLine) = 0;

    // Pointer and painting.
    virtual void setApplicationPointer(Pointer pointer) = 0;
    // Called just before the game pauses: whatever was changed must be on
    // screen now, since nothing is repainted during the pause.
    virtual void flushPainting() = 0;

    // Ends the program at once: windows close, no further handler runs.
    virtual void terminate() = 0;
};
