#pragma once

#include "GameState.h"
#include "storage/HighScores.h"

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
public:
    struct Services
    {
        GameWindow *window = nullptr;
        Clock *clock = nullptr;
        RandomSource *random = nullptr;
        SoundPlayer *sound = nullptr;
        QDir programDir;  // where the word lists, voices and settings lie
    };

    explicit TesmoGame(const Services &services);

    const GameState &state() const { return m_state; }
    GameState &state() { return m_state; }
    bool resultPending() const { return m_resultPending; }
    void setResultPending(bool pending) { m_resultPending = pending; }
    // True once the program has been ended; every handler then does nothing.
    bool ended() const { return m_ended; }

    // Game flow.
    void Form_Load();           // the manche start
    void Nuova_Click();         // new game
    void Command3d1_Click();    // "Fi&ne": end of the program
    void Esci_Click();
    void Form_Activate();
    void Form_Resize();
    void Command3d3_Click();    // "&Hiscores"
    void Records_Click();

    // Words.
    void ESTRAIPAROLA();
    void Combo1_Click(int index);

    // Guesses.
    void Command3d2_Click();
    // Returns true when the key was taken as "accept".
    bool Text1_KeyPress(int keyAscii);
    enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum ShiftState { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
    void Picture1_MouseDown(int button, int shift);

    // Rating, time and points.
    void VALUTARIGA();
    void AGGIORNATEMPO();
    void Timer1_Timer();

    // Sound.
    void SUONA(QString name);
    void List1_Click();

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
    bool SALVAINI();
    void LEGGIINI();
    bool Text2_KeyPress(int keyAscii);
    void Text2_LostFocus();
    void Option1_Click();
    void Option2_Click();

    // Menus and links.
    static const QString QuickHelp;  // the text of the quick help (F1)
    void Aiuto_Click();
    void MenuAiuto1_Click();
    void MenuMail_Click();
    void menuPHP_Click();
    void VLP_Click();
    void menuVLPONLine_Click();
    void About_Click();
    void Label12_Click();

    // Pointer over the link label and back to the arrow.
    void Label12_MouseMove();
    void Form_MouseMove();

private:
    bool drawWord(QString *failure);
    void changeAttempts(int attempts);
    void showAttemptRows(int attempts);
    void resetGame();
    void endOfGame();
    void endWithoutWords();
    void startAttemptClock();
    QString listFileName() const;

    Services m_s;
    GameState m_state;
    bool m_resultPending = false;
    bool m_ended = false;
    bool m_readingSettings = false;   // a save during a load is refused
    bool m_attemptSaveFailed = false;   // the last attempt switch could not be saved
    qint16 m_lastGoodDictionary = 0;
    qint64 m_mancheStartDay = 0;      // the date that goes with MancheStart
    HighScores::Table m_highScores;
};
