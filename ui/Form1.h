// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameWindow.h"
#include "engine/TesmoGame.h"
#include "ui/Palette.h"
#include "ui/StartCommand.h"

#include <QMainWindow>
#include <QPointer>
#include <QRegion>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QRadioButton;
class QTimer;
class QWindow;
class QToolButton;
class Form2;
class Form3;
class Form4;

// The main window "TESMO 2009": the board, the control panel, the link label
// and the menu bar. It carries out what the game asks of its window and passes
// every event of its controls to the game.
class Form1 : public QMainWindow, public GameWindow
{
    Q_OBJECT

public:
    using Services = TesmoGame::Services;  // `window` is the main window itself

    explicit Form1(const Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    TesmoGame &game() { return *m_game; }

    // The colours of the board's cells: the designed ones, or the palette
    // for colour-blind players (chosen at launch with --daltonici).
    void setBoardColours(BoardColours colours);

    // Runs the first manche start, as the window does when it is loaded.
    void load();

    // Tests answer the message boxes through this; without it real boxes open.
    using MessageResponder = std::function<Answer(const QString &text, const QString &title, Buttons)>;
    void setMessageResponder(MessageResponder responder) { m_responder = std::move(responder); }
    bool terminated() const { return m_terminated; }
    // How the program ends once its windows are gone: by default the event
    // loop is left; tests keep theirs running.
    void setQuit(std::function<void()> quit) { m_quit = std::move(quit); }
    // Tests look at the congratulations window through this instead of
    // waiting in its modal loop.
    using CongratulationsHandler = std::function<void(Form2 &)>;
    void setCongratulationsHandler(CongratulationsHandler handler) { m_congratulations = std::move(handler); }

    // Tests look at the about window through this instead of its modal loop.
    using AboutHandler = std::function<void(Form3 &)>;
    void setAboutHandler(AboutHandler handler) { m_about = std::move(handler); }
    // Tests record what the start command would open.
    StartCommand &startCommandRunner() { return m_start; }

    Form2 *form2();
    Form4 *form4() const;

    // Controls, by the names the game knows them by (docs/DESIGN.md has the full table).
    QLabel *Label1[30] = {};    // the board: six rows of five cells
    QLabel *Label9[5] = {};     // "1* Tentativo" .. "5* Tentativo"
    QLabel *Label10[5] = {};    // the words tried, beside them
    QLabel *Label2 = nullptr;   // the points
    QLabel *Label3 = nullptr;   // "Punti :"
    QLabel *Label4 = nullptr;   // "Manche :"
    QLabel *Label5 = nullptr;   // the manche, as 1/5
    QLabel *Label6 = nullptr;   // "Voce>", the voice list's caption
    QLabel *Label7 = nullptr;   // "Giocatore:", the name box's caption
    QLabel *Label8 = nullptr;   // the seconds of the current attempt
    QLabel *Label11 = nullptr;  // "Dizionario:", the word-list box's caption
    QLabel *Label12 = nullptr;  // the link to the maker's site under the board
    QLabel *Picture1 = nullptr;  // the help picture (Ctrl+Alt+right click peeks at the solution)
    QLabel *Picture2 = nullptr;  // hidden: holds the hand pointer shown over links
    QGroupBox *Frame1 = nullptr;  // the frame around the board
    QGroupBox *Frame2 = nullptr;  // the panel "Scrivi qua sotto la soluzione"
    QLineEdit *Text1 = nullptr;   // the guess box
    QLineEdit *Text2 = nullptr;   // the player's name
    QToolButton *Command3d1 = nullptr;  // "Fine"
    QToolButton *Command3d2 = nullptr;  // "Accetta"
    QToolButton *Command3d3 = nullptr;  // "Hiscores"
    QRadioButton *Option1 = nullptr;    // "5 tentativi"
    QRadioButton *Option2 = nullptr;    // "6 tentativi"
    QListWidget *List1 = nullptr;       // the voice: "Nessuno", "Tobio", "Serilla"
    QComboBox *Combo1 = nullptr;        // the word list: "Italiano", "English", "Latino"
    QTimer *Timer1 = nullptr;           // the half-second tick of time and points

    // Menus: File (Nuova Partita, Hiscores, Esci) and ? (quick help, help page,
    // mail, home page, the hidden product page VLP with its separator Meno3,
    // shop page, About).
    QMenu *File = nullptr, *Help = nullptr;
    QAction *Nuova = nullptr, *Records = nullptr, *Meno = nullptr, *Esci = nullptr;
    QAction *Aiuto = nullptr, *MenuAiuto1 = nullptr, *Meno1 = nullptr, *MenuMail = nullptr;
    QAction *menuPHP = nullptr, *VLP = nullptr, *mm = nullptr, *menuVLPONLine = nullptr;
    QAction *Meno3 = nullptr, *About = nullptr;

    // What the game asks of its window (engine/GameWindow.h says more).
    void setCellText(int cell, const QString &text) override;    // a board cell's letter
    void setCellColour(int cell, int colour) override;            // a board cell's colour
    void setCellVisible(int cell, bool visible) override;         // the sixth row comes and goes
    void rowRated(int row) override;                              // tells a screen reader the row
    void setTriedWord(int line, const QString &word) override;    // a word tried, Label10
    void setTriedWordVisible(int line, bool visible) override;
    void setTriedTitleVisible(int line, bool visible) override;
    void setMancheText(const QString &text) override;             // Label5
    void setPointsText(const QString &text) override;             // Label2
    void setElapsedText(const QString &text) override;            // Label8
    QString guessText() const override;                           // Text1
    void setGuessText(const QString &text) override;
    QString playerNameText() const override;                      // Text2
    void setPlayerNameText(const QString &text) override;
    bool focusGuess() override;                                   // the keyboard to Text1
    int voiceCount() const override;                              // entries of List1
    void fillLists() override;                                    // the voices and the word lists
    int voiceIndex() const override;                              // the chosen voice, -1 for none
    void setVoiceIndex(int index) override;
    void setDictionaryIndex(int index) override;                  // the word list shown in Combo1
    bool fiveAttemptsSelected() const override;                   // Option1 checked
    void selectAttempts(int attempts) override;
    void setProductMenuVisible(bool visible) override;            // VLP and Meno3
    Answer messageBox(const QString &text, const QString &title, Buttons buttons) override;
    void showCongratulations() override;                          // Form2, modal
    void showHighScores() override;                               // Form4, the main window disabled
    bool highScoresOpen() const override;
    void closeHighScores() override;
    void setMainEnabled(bool enabled) override;
    void showAbout() override;                                    // Form3, modal
    Opened startCommand(const QString &commandLine) override;     // a page or a mail, by the desktop
    void setApplicationPointer(Pointer pointer) override;         // the hand over links, or the arrow
    void flushPainting() override;                                // what changed, on screen before a pause
    void terminate() override;                                    // closes every window, ends the program

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildBoard();          // the thirty cells in Frame1
    void buildPanel();          // the controls of Frame2, from the table of their designs
    void buildMenus();          // File and ?, with their shortcut keys
    void paintCell(int cell);   // a cell's background in its colour as last set
    // The keyboard moved between windows: Form_Activate when it comes back
    // to this window from another of the game's own (the table, the
    // congratulations, the about window), and when it first arrives.
    void activeWindowChanged(QWindow *window);
    static bool isGameWindow(const QWindow *window);
    bool menuShortcut(QKeyEvent *key);  // F1..F4, Ctrl+F4 with a menu open
    // Notes a control the game changed, to be put on screen before the next pause.
    void changed(QWidget *widget);
    void setLabelText(QLabel *label, const QString &text);
    void setShown(QWidget *widget, bool visible);

    std::unique_ptr<TesmoGame> m_game;
    MessageResponder m_responder;
    CongratulationsHandler m_congratulations;
    AboutHandler m_about;
    StartCommand m_start;
    std::function<void()> m_quit;
    Form2 *m_form2 = nullptr;
    QPointer<Form4> m_form4;
    // Where the keyboard was before it came back to this window.
    enum class CameFrom { Start, Here, GameWindow, OtherWindow };
    CameFrom m_cameFrom = CameFrom::Start;
    int m_cellColour[30] = {};  // palette numbers as last painted, to skip repaints
    BoardColours m_boardColours = BoardColours::Designed;
    int m_voice = -1;           // the voice chosen last, -1 before any
    QRegion m_dirty;               // where the game changed controls since the last frame
    bool m_wholeFrame = false;     // a box closed or the window was disabled: paint it all
    bool m_terminated = false;
    bool m_flushing = false;
};
