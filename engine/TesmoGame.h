// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameState.h"
#include "storage/HighScores.h"
#include "storage/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>

class Clock;
class GameWindow;
class RandomSource;
class SoundPlayer;

// The rules of Tesmo. The handlers carry the names of the main window's
// controls and events that raise them; the routines with upper-case Italian
// names are the window's own. Everything runs on the user-interface thread.
class TesmoGame
{
    Q_DECLARE_TR_FUNCTIONS(TesmoGame)

public:
    // What the game is given to work with: the outside world (engine/Platform.h),
    // its folders and the window it drives. The main window fills in `window`
    // with itself; tests plug in fakes.
    struct Services
    {
        Clock *clock = nullptr;
        RandomSource *random = nullptr;
        SoundPlayer *sound = nullptr;
        QDir programDir;          // where the word lists, settings and scores lie
        QString installedDir = {};  // the voices and pages of an installed game; empty: programDir
        GameWindow *window = nullptr;
    };

    explicit TesmoGame(const Services &services);

    const GameState &state() const { return m_state; }
    GameState &state() { return m_state; }
    bool resultPending() const { return m_resultPending; }
    void setResultPending(bool pending) { m_resultPending = pending; }
    // True once the program has been ended; every handler then does nothing.
    bool ended() const { return m_ended; }

    // Game flow.
    void Form_Load();           // manche start: draws a word, reveals a letter; past manche 5 ends the game
    void Nuova_Click();         // menu "Nuova Partita" (F2): abandons the game, starts a fresh one
    void Command3d1_Click();    // button "Fine": saves, shows the table, says "Ciao", ends the program
    void Esci_Click();          // menu "Esci" (Ctrl+F4): the same as "Fine"
    // The desktop ends the program (a logout, SIGTERM, SIGHUP, the session's
    // end): as the window's close, without a voice or a window, but a result
    // waiting at the end of a game (its question open, or not yet stored) is
    // entered in the table and the settings are saved.
    void endSession();
    void Form_Activate();       // the main window is active again: closes the table, focus to the guess box
    void Form_Resize();         // the main window was resized: the layout stays as designed
    void Command3d3_Click();    // button "Hiscores": saves the settings, opens the high-score table
    void Records_Click();       // menu File > "Hiscores" (F3): the same as the button

    // Words.
    void ESTRAIPAROLA();        // draws the manche's word from the chosen list and marks it drawn
    void Combo1_Click(int index);  // "Dizionario" choice: another list starts a fresh game

    // Guesses.
    void Command3d2_Click();    // button "Accetta": rates the typed guess, wins or loses the manche
    // A key in the guess box: Enter or Escape accepts; returns true when it did.
    bool Text1_KeyPress(int keyAscii);
    enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum ShiftState { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
    // A click on the help picture; Ctrl+Alt with the right button peeks at the solution.
    void Picture1_MouseDown(int button, int shift);

    // Rating, time and points.
    void VALUTARIGA();          // paints, announces and scores the current row (see Rating.h)
    void AGGIORNATEMPO();       // shows the seconds of this attempt and the points
    void Timer1_Timer();        // the half-second tick: AGGIORNATEMPO

    // Sound.
    void SUONA(QString name);   // plays a voice clip (if a voice is chosen), then pauses the game
    void List1_Click();         // "Voce" choice: focus back to the guess box, settings saved

    // High scores. The high-score window runs this when it loads: the file is
    // read, a pending result entered, ranked and stored, and the rows of the
    // window returned with the row to select (0 for the first).
    struct HighScoreListing
    {
        QString best;
        QStringList rows;
        int matchPosition = 0;  // rank of the current player's entry, 0 for none
    };
    HighScoreListing AGGIORNARECORD();
    const HighScores::Table &highScoreTable() const { return m_highScores; }

    // Settings and attempt modes.
    bool SALVAINI();            // writes name, voice and attempts to "Tesmo.ini"; false when it could not
    void LEGGIINI();            // reads "Tesmo.ini" into the name box, the voice list and the attempt buttons
    bool Text2_KeyPress(int keyAscii);  // a key in the name box: Enter moves to the guess box
    void Text2_LostFocus();     // the name box was left: settings saved
    void Option1_Click();       // "5 tentativi": a fresh game with five rows
    void Option2_Click();       // "6 tentativi": a fresh game with six rows

    // Menus and links.
    static const QString QuickHelp;  // the text of the quick help (F1), in Italian; shown translated
    void Aiuto_Click();         // menu "Aiuto veloce" (F1): the quick help in a message box
    void MenuAiuto1_Click();    // menu "Aiuto": the local help page tesmo.htm
    void MenuMail_Click();      // menu "Scrivi E-Mail all'autore ...": a mail to the maker
    void menuPHP_Click();       // menu "Visita Home Page ...": the maker's home page
    void VLP_Click();           // menu "Vosti Letter Pack ..." (always hidden): the local page vlp.htm
    void menuVLPONLine_Click(); // menu "Acquista VLP On-line ...": the maker's shop page
    void About_Click();         // menu "About" (F4): the about window, then the voice "Tesmo"
    void Label12_Click();       // the link label under the board: the maker's home page
    // Runs a start command line ("Start " and a page, a mail or a local file);
    // a target the desktop cannot open is told in a "TESMO" box and the game goes on.
    void openTarget(const QString &commandLine);

    // Pointer over the link label and back to the arrow.
    void Label12_MouseMove();   // over the link label: the hand
    void Form_MouseMove();      // over the window or the board's frame: the arrow

private:
    bool drawWord(QString *failure);
    void changeAttempts(int attempts);
    void showAttemptRows(int attempts);
    void resetGame();
    void endOfGame();
    void endWithoutWords();
    void startAttemptClock();
    QString listFileName() const;
    static int firstListIndex();  // the entry of "Dizionario" a game starts on
    void loadHighScores(const QString &path);
    // Enters the pending result in the stored table (the file's path in *path).
    SafeFile::Error storeResult(QString *path = nullptr);
    // SALVAINI, and a failure told in a box (not the refusal while loading).
    bool saveSettings();
    // Tells the player, in a modal box, which file could not be saved and why.
    void reportSaveFailure(const QString &path, SafeFile::Error error);

    Services m_s;
    GameState m_state;
    bool m_resultPending = false;
    bool m_ended = false;
    bool m_readingSettings = false;   // a save during a load is refused
    bool m_atEndQuestion = false;     // "vuoi fare un'altra partitina?" waits for its answer
    bool m_attemptSaveFailed = false;   // the last attempt switch could not be saved
    bool m_unmarkedTold = false;        // the player knows the words drawn cannot be marked
    SafeFile::Error m_settingsError = SafeFile::Error::None;  // of the last save
    QString m_settingsPath;
    qint16 m_lastGoodDictionary = 0;
    double m_attemptStart = 0.0;      // the steady clock when the attempt began
    HighScores::Table m_highScores;
};
