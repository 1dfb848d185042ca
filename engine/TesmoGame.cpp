// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/TesmoGame.h"

#include "engine/GameWindow.h"
#include "engine/Links.h"
#include "engine/Platform.h"
#include "engine/Rating.h"
#include "engine/Rules.h"
#include "engine/Scoring.h"
#include "storage/CodePage.h"
#include "storage/FileNames.h"
#include "storage/SafeFile.h"
#include "storage/Settings.h"
#include "storage/WordList.h"
#include "WordLists.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>


namespace {

const QString Blank5 = QStringLiteral("     ");
const char *const TitleFinePartita = QT_TRANSLATE_NOOP("TesmoGame", "Tesmo - Fine Partita");


constexpr int FirstHiddenCell = 5 * Rules::FewRows;  // the first cell of the row only the six-row mode shows
constexpr int LastCell = 5 * Rules::ManyRows - 1;

int cellOf(int row, int position)
{
    return 5 * (row - 1) + position - 1;
}

} // namespace

TesmoGame::TesmoGame(const Services &services)
    : m_s(services)
{
}

// ---------------------------------------------------------------- game flow

void TesmoGame::Form_Load()
{
    if (m_ended)
        return;
    GameWindow &w = *m_s.window;
    GameState &g = m_state;

    // The program's folder is m_s.programDir; every file is looked up there.
    if (w.voiceCount() == 0) {
        // What a save or a list upgrade cut short by a crash left behind goes first.
        QStringList files = {QString::fromLatin1(Settings::FileName), QString::fromLatin1(HighScores::FileName)};
        for (const WordLists::List &list : WordLists::All)
            files << WordList::fileName(list.number);
        SafeFile::removeLeftovers(m_s.programDir, files);
        w.fillLists();
        const int first = firstListIndex();
        w.setDictionaryIndex(first);
        Combo1_Click(first);
        g.Dictionary = static_cast<qint16>(first + 1);
    }
    w.setProductMenuVisible(false);

    if (g.Manche == 0 && !g.Started) {
        SUONA(QStringLiteral("TESMO"));
        g.Points = 0;
        g.Elapsed = 0;
    }

    g.Started = true;
    const qint16 oldManche = g.Manche;
    g.Manche = static_cast<qint16>(g.Manche + 1);
    if (oldManche == 0)
        LEGGIINI();
    w.setMancheText(QStringLiteral("%1/%2").arg(g.Manche).arg(Rules::Manches));

    if (g.Manche > Rules::Manches) {
        endOfGame();
        return;
    }

    ESTRAIPAROLA();
    if (m_ended)
        return;
    g.Revealed = g.Solution;
    for (int k = 0; k <= 4; ++k)
        w.setTriedWord(k, QString());
    for (int cell = 5; cell <= LastCell; ++cell) {
        w.setCellColour(cell, Palette::Black);
        w.setCellText(cell, QStringLiteral(" "));
    }
    const int p = static_cast<int>(5 * m_s.random->next() + 1);
    for (int q = 1; q <= 5; ++q) {
        if (q != p)
            g.Revealed[q - 1] = u' ';
    }
    g.Guess = Blank5;
    if (g.MaxAttempts == Rules::FewRows) {
        for (int cell = FirstHiddenCell; cell <= LastCell; ++cell)
            w.setCellVisible(cell, false);
    }
    g.Attempt = 1;
    VALUTARIGA();
    startAttemptClock();
}

void TesmoGame::endOfGame()
{
    GameWindow &w = *m_s.window;
    AGGIORNATEMPO();
    m_atEndQuestion = true;
    const GameWindow::Answer answer = w.messageBox(
        tr("Mi spiace, la risposta è errata! Il gioco finisce qua, vuoi fare un'altra partitina?"),
        tr(TitleFinePartita), GameWindow::Buttons::YesNo);
    m_atEndQuestion = false;
    if (m_ended)
        return;  // the session ended at the question, and the result was kept then
    w.setMainEnabled(false);
    m_state.PlayerName = w.playerNameText();
    m_resultPending = true;
    w.showHighScores();
    if (answer == GameWindow::Answer::Yes)
        Nuova_Click();
    else
        Command3d1_Click();
}

void TesmoGame::resetGame()
{
    m_state.Manche = 0;
    m_state.Started = false;
    m_state.Points = 0;
    m_state.Elapsed = 0;
}

void TesmoGame::Nuova_Click()
{
    if (m_ended)
        return;
    resetGame();
    Form_Load();
}

void TesmoGame::Command3d1_Click()
{
    if (m_ended)
        return;
    Command3d3_Click();
    SUONA(QStringLiteral("Ciao"));
    m_ended = true;
    m_s.window->terminate();
}

void TesmoGame::endSession()
{
    if (m_ended)
        return;
    // A game over at its question is entered as "No" would enter it.
    if (m_atEndQuestion) {
        m_state.PlayerName = m_s.window->playerNameText();
        m_resultPending = true;
    }
    // Nobody is there to read a box: what cannot be saved is let go quietly.
    SALVAINI();
    if (m_resultPending)
        storeResult();
    m_ended = true;
    m_s.window->terminate();
}

void TesmoGame::Esci_Click()
{
    Command3d1_Click();
}

void TesmoGame::Form_Activate()
{
    if (m_ended)
        return;
    if (m_s.window->highScoresOpen())
        m_s.window->closeHighScores();
    m_s.window->focusGuess();
}

void TesmoGame::Form_Resize()
{
    // The text boxes keep their design heights: squeezing them to their font
    // size in window units would leave them unusable.
}

void TesmoGame::Command3d3_Click()
{
    if (m_ended)
        return;
    saveSettings();
    m_s.window->showHighScores();
}

bool TesmoGame::saveSettings()
{
    // A save that fails is told, whatever asked for it: what is on screen
    // would otherwise be lost with the program without a word.
    if (SALVAINI())
        return true;
    if (m_settingsError != SafeFile::Error::None)
        reportSaveFailure(m_settingsPath, m_settingsError);
    return false;
}

void TesmoGame::reportSaveFailure(const QString &path, SafeFile::Error error)
{
    m_s.window->messageBox(tr("Il file \"%1\" non si può salvare: %2.")
                               .arg(QFileInfo(path).fileName(), SafeFile::reason(error)),
                           tr("TESMO"), GameWindow::Buttons::Ok);
}

void TesmoGame::loadHighScores(const QString &path)
{
    const SafeFile::ReadResult file = SafeFile::read(path, Rules::HighScoresReadLimit);
    if (file.error == SafeFile::Error::None)
        HighScores::load(file.bytes, &m_highScores);
}

void TesmoGame::Records_Click()
{
    Command3d3_Click();
}

// ---------------------------------------------------------------- words

int TesmoGame::firstListIndex()
{
    // A game starts on the word list of the player's language, named by the
    // catalogue in force; with none (or a name of no list), on the first.
    const QString name = tr("Italiano", "the entry of \"Dizionario\" a game starts on: the word list in this "
                                        "language, as tools/wordlists/lists.tsv names it");
    for (int i = 0; i < WordLists::Count; ++i) {
        if (QString::fromUtf8(WordLists::All[i].name) == name)
            return i;
    }
    return 0;
}

QString TesmoGame::listFileName() const
{
    return WordList::fileName(m_state.Dictionary);
}

bool TesmoGame::drawWord(QString *failure)
{
    const QString name = listFileName();
    const double r = m_s.random->next();
    // The list is locked only while it is read and marked, so that another
    // copy of the game drawing from it meanwhile never draws the same word;
    // never while a box waits for the player. A list another copy keeps
    // locked for the whole wait is not drawn from at all.
    bool busy = false;
    const auto lockedDraw = [&](WordList::WhenExhausted when) {
        const SafeFile::Lock lock(m_s.programDir, name);
        busy = lock.busy();
        return busy ? WordList::DrawResult{}
                    : WordList::drawFromFileAsking(FileNames::resolve(m_s.programDir, name), r, when);
    };
    WordList::DrawResult result = lockedDraw(WordList::WhenExhausted::Stop);
    if (!busy && result.status == WordList::DrawStatus::Exhausted) {
        m_s.window->messageBox(tr("Le parole sono state tutte estratte 'OK' per ripeterle"),
                               tr("TESMO"), GameWindow::Buttons::Ok);
        result = lockedDraw(WordList::WhenExhausted::Release);
    }
    if (busy) {
        *failure = tr("Il file delle parole \"%1\" è in uso da un'altra copia del gioco.").arg(name);
        return false;
    }
    // A list that can only be read still plays; the player is told once
    // that its words may come again, until a mark is written again.
    if (result.status == WordList::DrawStatus::Ok) {
        if (result.unmarked && !m_unmarkedTold) {
            m_unmarkedTold = true;
            m_s.window->messageBox(tr("Il file delle parole \"%1\" non si può scrivere: le parole estratte "
                                                  "non si possono segnare come già uscite e possono tornare.")
                                       .arg(name),
                                   tr("TESMO"), GameWindow::Buttons::Ok);
        } else if (!result.unmarked) {
            m_unmarkedTold = false;
        }
    }
    switch (result.status) {
    case WordList::DrawStatus::Ok:
        m_state.Solution = CodePage::decode(result.word);
        m_s.window->setGuessText(QString());
        return true;
    case WordList::DrawStatus::Missing:
        *failure = tr("Manca il file delle parole \"%1\" nella cartella del gioco.").arg(name);
        return false;
    case WordList::DrawStatus::CannotOpen:
        *failure = tr("Il file delle parole \"%1\" non si può aprire.").arg(name);
        return false;
    case WordList::DrawStatus::NoRecords:
        *failure = tr("Il file delle parole \"%1\" non contiene nessuna parola.").arg(name);
        return false;
    case WordList::DrawStatus::Exhausted:
    case WordList::DrawStatus::ReadError:
        *failure = tr("Il file delle parole \"%1\" non si può leggere.").arg(name);
        return false;
    case WordList::DrawStatus::WriteError:
        *failure = tr("Il file delle parole \"%1\" non si può scrivere.").arg(name);
        return false;
    }
    return false;
}

void TesmoGame::ESTRAIPAROLA()
{
    // A list that cannot be used is named to the player, and the game goes on
    // with another: first the list that worked last, then the others in their
    // order. Only when none can be used does the program end, and then as
    // "Fine" would, so that a game under way still enters its result.
    QList<qint16> tried;
    for (;;) {
        QString failure;
        if (drawWord(&failure)) {
            m_lastGoodDictionary = m_state.Dictionary;
            return;
        }
        tried.append(m_state.Dictionary);
        m_s.window->messageBox(failure, tr("TESMO"), GameWindow::Buttons::Ok);
        qint16 next = 0;
        if (m_lastGoodDictionary != 0 && !tried.contains(m_lastGoodDictionary))
            next = m_lastGoodDictionary;
        for (qint16 d = 1; d <= WordLists::Count && next == 0; ++d) {
            if (!tried.contains(d))
                next = d;
        }
        if (next == 0) {
            endWithoutWords();
            return;
        }
        m_state.Dictionary = next;
        m_s.window->setDictionaryIndex(next - 1);
    }
}

void TesmoGame::endWithoutWords()
{
    if (m_lastGoodDictionary == 0) {
        // No list has ever worked: there is no game to keep.
        m_ended = true;
        m_s.window->terminate();
        return;
    }
    // A game that has scored or lost a manche enters its result; one that
    // never began (the list failed at its first draw) does not.
    if (m_state.Points != 0 || m_state.Manche > 1) {
        m_state.PlayerName = m_s.window->playerNameText();
        m_resultPending = true;
    }
    Command3d1_Click();
}

void TesmoGame::Combo1_Click(int index)
{
    if (m_ended)
        return;
    const qint16 n = static_cast<qint16>(index + 1);
    if (n == m_state.Dictionary)
        return;
    resetGame();
    m_state.Dictionary = n;
    if (m_state.DictionaryArmed)
        Form_Load();
    else
        m_state.DictionaryArmed = true;
}

// ---------------------------------------------------------------- guesses

void TesmoGame::Command3d2_Click()
{
    if (m_ended)
        return;
    GameWindow &w = *m_s.window;
    GameState &g = m_state;

    const QString text = CodePage::toUpper(w.guessText());
    if (text.size() != 5) {
        w.focusGuess();
        return;
    }
    g.Guess = text;
    g.Typed = text;

    if (g.Guess == g.Solution) {
        g.Attempt = static_cast<qint16>(g.Attempt + 1);
        VALUTARIGA();
        g.Manche = static_cast<qint16>(g.Manche - 1);
        SUONA(QStringLiteral("Tesmo"));
        g.Points = Scoring::addWordAward(g.Points, g.Attempt, g.Elapsed);
        AGGIORNATEMPO();
        if (g.Manche < 2)
            w.showCongratulations();
        Form_Load();
    } else {
        g.Attempt = static_cast<qint16>(g.Attempt + 1);
        if (g.Attempt >= g.MaxAttempts) {
            g.Attempt = g.MaxAttempts;
            g.Guess = g.Solution;
            VALUTARIGA();
            if (g.Manche < Rules::Manches) {
                w.messageBox(tr("La risposta è errata, clicca OK per la manche N.%1").arg(g.Manche + 1),
                             tr(TitleFinePartita), GameWindow::Buttons::Ok);
            }
            Form_Load();
            if (m_ended)
                return;
            VALUTARIGA();
        } else {
            VALUTARIGA();
        }
    }
    if (m_ended)
        return;

    startAttemptClock();
    w.setGuessText(QString());
    if (w.highScoresOpen())
        w.closeHighScores();
    w.setMainEnabled(true);
    w.focusGuess();
}

bool TesmoGame::Text1_KeyPress(int keyAscii)
{
    if (keyAscii != 13 && keyAscii != 27)
        return false;
    Command3d2_Click();
    return true;
}

void TesmoGame::Picture1_MouseDown(int button, int shift)
{
    if (m_ended)
        return;
    GameWindow &w = *m_s.window;
    if (m_state.PlayerName.isEmpty())
        m_state.PlayerName = w.playerNameText();
    if (button == RightButton && shift == (CtrlMask | AltMask)) {
        w.setPlayerNameText(m_state.Solution);
        SUONA(QStringLiteral("si"));
    }
    w.setPlayerNameText(m_state.PlayerName);
    w.focusGuess();
}

// ---------------------------------------------------------------- rating

void TesmoGame::VALUTARIGA()
{
    GameWindow &w = *m_s.window;
    GameState &g = m_state;
    const int r = g.Attempt;

    const Rating::Row rated = Rating::rate(g.Solution, g.Revealed, g.Guess, r, g.MaxAttempts);
    g.Revealed = rated.revealed;
    for (int p = 1; p <= 5; ++p) {
        const Rating::Cell &cell = rated.cells[p - 1];
        const int n = cellOf(r, p);
        if (cell.caption)
            w.setCellText(n, QString(*cell.caption));
        w.setCellColour(n, cell.colour);
        if (cell.sound != Rating::Sound::None)
            SUONA(Rating::soundName(cell.sound));
        g.Points = Scoring::addPoints(g.Points, cell.points);
        if (r > 1)
            w.setTriedWord(r - 2, g.Typed);
    }
    w.rowRated(r);
}

// ---------------------------------------------------------------- time and points

void TesmoGame::startAttemptClock()
{
    m_state.MancheStart = static_cast<float>(m_s.clock->secondsSinceMidnight());
    m_attemptStart = m_s.clock->steadySeconds();
}

void TesmoGame::AGGIORNATEMPO()
{
    // The attempt's seconds go by the steady clock: a change of the time of
    // day while the player thinks, either way and of any size, neither eats
    // the word award nor gives time back.
    const double seconds = std::max(0.0, m_s.clock->steadySeconds() - m_attemptStart);
    m_state.Elapsed = static_cast<qint32>(std::min(Scoring::roundHalfEven(seconds), double(std::numeric_limits<qint32>::max())));
    m_s.window->setElapsedText(tr("%1 Sec").arg(m_state.Elapsed));
    m_s.window->setPointsText(QString::number(m_state.Points));
}

void TesmoGame::Timer1_Timer()
{
    if (m_ended)
        return;
    AGGIORNATEMPO();
}

// ---------------------------------------------------------------- sound

void TesmoGame::SUONA(QString name)
{
    const int voice = m_s.window->voiceIndex();
    if (voice == 2)
        name += QStringLiteral("-1");
    name += QStringLiteral(".wav");
    if (voice > 0)
        m_s.sound->play(name);

    // The pause: nothing is handled or repainted until it is over. Each sleep
    // is for the whole time that remains; the steady clock then tells how
    // much really passed.
    m_s.window->flushPainting();
    const double length = static_cast<float>(name.size()) / Rules::PauseCharactersPerSecond;
    const double start = m_s.clock->steadySeconds();
    for (double passed = 0.0; passed <= length; passed = m_s.clock->steadySeconds() - start)
        m_s.clock->sleep(length - passed + 0.001);
}

void TesmoGame::List1_Click()
{
    if (m_ended)
        return;
    m_s.window->focusGuess();
    saveSettings();
}

// ---------------------------------------------------------------- high scores

SafeFile::Error TesmoGame::storeResult(QString *path)
{
    // Read, enter and write back while no other copy of the game can
    // change the file in between, so that its results are kept too.
    const QString name = QString::fromLatin1(HighScores::FileName);
    const SafeFile::Lock lock(m_s.programDir, name);
    const QString resolved = FileNames::resolve(m_s.programDir, name);
    if (path)
        *path = resolved;
    loadHighScores(resolved);
    m_highScores[HighScores::NewResultSlot - 1] = {m_state.PlayerName, HighScores::clamp(m_state.Points)};
    HighScores::rank(&m_highScores);
    m_resultPending = false;
    return lock.replace(resolved, HighScores::serialize(m_highScores));
}

TesmoGame::HighScoreListing TesmoGame::AGGIORNARECORD()
{
    const QString name = QString::fromLatin1(HighScores::FileName);
    const qint16 points = HighScores::clamp(m_state.Points);
    QString path;
    SafeFile::Error saveError = SafeFile::Error::None;
    if (m_resultPending) {
        saveError = storeResult(&path);
    } else {
        loadHighScores(FileNames::resolve(m_s.programDir, name));
    }

    HighScoreListing listing;
    for (int p = 1; p <= Rules::HighScoreRanks; ++p) {
        const HighScores::Entry &entry = m_highScores[p - 1];
        if (p == 1)
            listing.best = entry.Name;
        listing.rows << HighScores::formatRow(p, entry);
        if (entry.Name == m_state.PlayerName && entry.Score == points)
            listing.matchPosition = p;
    }

    // A table that cannot be stored is still shown, and the player told;
    // the former file stays whole.
    if (saveError != SafeFile::Error::None)
        reportSaveFailure(path, saveError);
    return listing;
}

// ---------------------------------------------------------------- settings

bool TesmoGame::SALVAINI()
{
    m_settingsError = SafeFile::Error::None;
    if (m_readingSettings)
        return false;
    GameWindow &w = *m_s.window;
    m_state.PlayerName = Settings::storedName(w.playerNameText());  // as it will read back
    w.setPlayerNameText(m_state.PlayerName);
    const int voice = w.voiceIndex();
    m_state.MaxAttempts = w.fiveAttemptsSelected() ? Rules::FewRows : Rules::ManyRows;
    const QString name = QString::fromLatin1(Settings::FileName);
    const SafeFile::Lock lock(m_s.programDir, name);
    m_settingsPath = FileNames::resolve(m_s.programDir, name);
    m_settingsError = lock.replace(m_settingsPath, Settings::serialize(m_state.PlayerName, voice, m_state.MaxAttempts));
    return m_settingsError == SafeFile::Error::None;
}

void TesmoGame::LEGGIINI()
{
    GameWindow &w = *m_s.window;
    const bool attemptSaveFailed = m_attemptSaveFailed;
    m_attemptSaveFailed = false;
    const SafeFile::ReadResult file =
        SafeFile::read(FileNames::resolve(m_s.programDir, QString::fromLatin1(Settings::FileName)), Rules::SettingsReadLimit);
    if (file.error == SafeFile::Error::Missing) {
        m_state.PlayerName = tr("ANONIMO", "the name of a player who has not given one");
        return;
    }
    // A name that cannot be used as a file (a link, a folder, a pipe) is
    // read as nothing: the values in force stay.
    if (file.error != SafeFile::Error::None)
        return;
    const Settings::Values values = Settings::parse(file.bytes);

    // Selecting the loaded values runs the controls' handlers as a choice of
    // the player would; while loading, their saves are refused and the
    // attempt handlers find the count already in force.
    m_readingSettings = true;
    if (values.name) {
        m_state.PlayerName = *values.name;
        w.setPlayerNameText(*values.name);
    }
    if (values.voice) {
        w.setVoiceIndex(*values.voice);
        List1_Click();
    }
    if (values.attempts) {
        // Only five or six rows exist: any other count plays with six.
        const int attempts = *values.attempts == Rules::FewRows ? Rules::FewRows : Rules::ManyRows;
        // The file still holds the count in force before a switch that could
        // not be saved: that count comes back, and the board with it.
        if (attemptSaveFailed && attempts != m_state.MaxAttempts)
            showAttemptRows(attempts);
        m_state.MaxAttempts = static_cast<qint16>(attempts);
        w.selectAttempts(attempts);
        if (attempts == Rules::FewRows)
            Option1_Click();
        else
            Option2_Click();
    }
    m_readingSettings = false;
}

bool TesmoGame::Text2_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return false;
    m_s.window->focusGuess();
    return true;
}

void TesmoGame::Text2_LostFocus()
{
    if (m_ended)
        return;
    saveSettings();
}

void TesmoGame::Option1_Click()
{
    changeAttempts(Rules::FewRows);
}

void TesmoGame::Option2_Click()
{
    changeAttempts(Rules::ManyRows);
}

void TesmoGame::showAttemptRows(int attempts)
{
    GameWindow &w = *m_s.window;
    const bool show = attempts == Rules::ManyRows;
    for (int cell = FirstHiddenCell; cell <= LastCell; ++cell)
        w.setCellVisible(cell, show);
    w.setTriedWordVisible(4, show);
    w.setTriedTitleVisible(4, show);
}

void TesmoGame::changeAttempts(int attempts)
{
    if (m_ended || m_state.MaxAttempts == attempts)
        return;
    GameWindow &w = *m_s.window;
    w.messageBox(tr("Si inizia una nuova partita cambiando il numero di tentativi!"),
                 tr("Tesmo 2009"), GameWindow::Buttons::Ok);
    if (m_ended)
        return;
    w.focusGuess();
    showAttemptRows(attempts);
    m_state.MaxAttempts = static_cast<qint16>(attempts);
    // A switch that cannot be saved is undone by the settings load of the new
    // game, which brings back the count the file still holds.
    if (!saveSettings())
        m_attemptSaveFailed = true;
    resetGame();
    Form_Load();
}

// ---------------------------------------------------------------- menus and links

namespace {
const char QuickHelpSource[] = QT_TRANSLATE_NOOP("TesmoGame",
    "Tesmo è un videogioco ispirato alla omonima trasmissione televisiva. Il gioco consiste nell'indovinare "
    "una parola di 5 caratteri nascosta dietro a cinque caselle. L'unico aiuto è che viene mostrata una "
    "lettera scoperta all'inizio del gioco. Si possono immettere quattro tentativi di soluzione, ogni volta "
    "che si immette una parola il gioco procede rispondendo quale carattere è stato indovinato, nel caso in "
    "cui il carattere è stato indovinato ma non è nella posizione giusta viene colorata una casella in verde "
    "se il carattere non esiste viene colorata la casella in rosso. Ogni volta che viene indovinata una "
    "lettera vengono assegnati alcuni punti e quando viene indovinata la parola vengono assegnati altri "
    "punti sempre in funzione del tempo impiegato. Se (dopo 4 (o 5) tentativi) non si indovina la frase il "
    "gioco passa alla manche successiva, dopo la quinta manche il gioco termina.");
} // namespace

const QString TesmoGame::QuickHelp = QString::fromUtf8(QuickHelpSource);

void TesmoGame::Aiuto_Click()
{
    if (!m_ended)
        m_s.window->messageBox(tr(QuickHelpSource), tr("Tesmo - Help"), GameWindow::Buttons::Ok);
}

void TesmoGame::openTarget(const QString &commandLine)
{
    const GameWindow::Opened opened = m_s.window->startCommand(commandLine);
    if (opened == GameWindow::Opened::Yes || m_ended)
        return;
    // The target is what follows the command word "Start".
    const QString target = commandLine.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
    const QString reason = opened == GameWindow::Opened::NoFile ? tr("il file non c'è")
                                                                 : tr("manca un programma che lo apra");
    m_s.window->messageBox(tr("Non si può aprire \"%1\": %2.").arg(target, reason),
                           tr("TESMO"), GameWindow::Buttons::Ok);
}

void TesmoGame::MenuAiuto1_Click()
{
    openTarget(QStringLiteral("Start ") + tr("tesmo.htm", "the help page's file: the one in this language, beside it in data/"));
}

void TesmoGame::MenuMail_Click()
{
    openTarget(QStringLiteral("Start mailto:") + Links::MailAddress);
}

void TesmoGame::menuPHP_Click()
{
    openTarget(QStringLiteral("Start ") + Links::HomePage);
}

void TesmoGame::VLP_Click()
{
    openTarget(QStringLiteral("start vlp.htm"));
}

void TesmoGame::menuVLPONLine_Click()
{
    openTarget(QStringLiteral("Start ") + Links::ShopPage);
}

void TesmoGame::About_Click()
{
    if (m_ended)
        return;
    m_s.window->showAbout();
    if (!m_ended)
        SUONA(QStringLiteral("Tesmo"));
}

void TesmoGame::Label12_Click()
{
    openTarget(QStringLiteral("start ") + Links::HomePage);
}

// ---------------------------------------------------------------- pointer

void TesmoGame::Label12_MouseMove()
{
    m_s.window->setApplicationPointer(GameWindow::Pointer::Hand);
}

void TesmoGame::Form_MouseMove()
{
    m_s.window->setApplicationPointer(GameWindow::Pointer::Arrow);
}
