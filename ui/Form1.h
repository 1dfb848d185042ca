#pragma once

#include "engine/GameWindow.h"
#include "engine/TesmoGame.h"
#include "ui/StartCommand.h"

#include <QMainWindow>
#include <QPointer>
#include <QVector>

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

    // Controls, by the names the game knows them by.
    QLabel *Label1[30] = {};
    QLabel *Label9[5] = {};
    QLabel *Label10[5] = {};
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Picture1 = nullptr, *Picture2 = nullptr;
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    QToolButton *Command3d1 = nullptr, *Command3d2 = nullptr, *Command3d3 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QListWidget *List1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QTimer *Timer1 = nullptr;

    // Menus.
    QMenu *File = nullptr, *Help = nullptr;
    QAction *Nuova = nullptr, *Records = nullptr, *Meno = nullptr, *Esci = nullptr;
    QAction *Aiuto = nullptr, *MenuAiuto1 = nullptr, *Meno1 = nullptr, *MenuMail = nullptr;
    QAction *menuPHP = nullptr, *VLP = nullptr, *mm = nullptr, *menuVLPONLine = nullptr;
    QAction *Meno3 = nullptr, *About = nullptr;

    // GameWindow
    void setCellText(int cell, const QString &text) override;
    void setCellColour(int cell, int colour) override;
    void setCellVisible(int cell, bool visible) override;
    void rowRated(int row) override;
    void setTriedWord(int line, const QString &word) override;
    void setTriedWordVisible(int line, bool visible) override;
    void setTriedTitleVisible(int line, bool visible) override;
    void setMancheText(const QString &text) override;
    void setPointsText(const QString &text) override;
    void setElapsedText(const QString &text) override;
    QString guessText() const override;
    void setGuessText(const QString &text) override;
    QString playerNameText() const override;
    void setPlayerNameText(const QString &text) override;
    bool focusGuess() override;
    int voiceCount() const override;
    void fillLists() override;
    int voiceIndex() const override;
    void setVoiceIndex(int index) override;
    void setDictionaryIndex(int index) override;
    bool fiveAttemptsSelected() const override;
    void selectAttempts(int attempts) override;
    void setProductMenuVisible(bool visible) override;
    Answer messageBox(const QString &text, const QString &title, Buttons buttons) override;
    void showCongratulations() override;
    void showHighScores() override;
    bool highScoresOpen() const override;
    void closeHighScores() override;
    void setMainEnabled(bool enabled) override;
    void showAbout() override;
    void startCommand(const QString &commandLine) override;
    void setApplicationPointer(Pointer pointer) override;
    void flushPainting() override;
    void terminate() override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildBoard();
    void buildPanel();
    void buildMenus();
    void paintCell(int cell);
    void activeWindowChanged(QWindow *window);
    bool menuShortcut(QKeyEvent *key);
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
    QPointer<QWindow> m_active;  // the program's window that had the keyboard last
    int m_cellColour[30] = {};  // palette numbers as last painted, to skip repaints
    int m_voice = -1;           // the voice chosen last, -1 before any
    QVector<QWidget *> m_changed;  // controls changed since the last frame
    bool m_wholeFrame = false;     // a box closed or the window was disabled: paint it all
    bool m_terminated = false;
    bool m_flushing = false;
};
