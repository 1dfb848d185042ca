// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1.h"

#include "ui/Accessibility.h"
#include "ui/Artwork.h"
#include "ui/EnterKey.h"
#include "ui/Fonts.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"
#include "ui/NameBox.h"
#include "ui/Palette.h"
#include "engine/Links.h"
#include "engine/Rules.h"
#include "WordLists.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

const QColor DarkBlueText(0, 0, 192);

constexpr Qt::Alignment LeftText = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment RightText = Qt::AlignRight | Qt::AlignTop;
constexpr int NoBackground = -1;

// A label of the main window as it is designed: the member it fills, its
// name, what it says, where it stands in its frame (twips) and how it looks.
struct LabelDesign
{
    QLabel **slot;
    const char *name;
    const char *text;
    int left, top, width, height;
    QFont font;
    Qt::Alignment alignment;
    QColor textColour;  // none: the window's own, with no background and no border
    int background;     // a palette number, or NoBackground
    bool border;
    const char *tip;
};

QLabel *makeLabel(QWidget *parent, const LabelDesign &design)
{
    QLabel *label = makeLabel(parent, QCoreApplication::translate("Form1", design.text),
                              twipRect(design.left, design.top, design.width, design.height), design.font,
                              design.alignment);
    label->setObjectName(QString::fromLatin1(design.name));
    if (design.textColour.isValid())
        setLabelColours(label, design.textColour,
                        design.background == NoBackground ? QColor() : qbColor(design.background), design.border);
    if (*design.tip)
        label->setToolTip(QCoreApplication::translate("Form1", design.tip));
    *design.slot = label;
    return label;
}

// Names a control of the panel and puts it in its place, in its font.
template <class Control>
Control *place(Control *control, const char *name, const QRect &rect, const QFont &font,
               const QString &tip = QString())
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    control->setFont(font);
    if (!tip.isEmpty())
        control->setToolTip(tip);
    return control;
}

QToolButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QPixmap &picture,
                        const QString &tip, const QRect &rect)
{
    QToolButton *button = makePictureButton(parent, caption, QIcon(picture), QSize(32, 32), tip, rect);
    button->setObjectName(QString::fromLatin1(name));
    EnterKey::pressesFocused(button);
    return button;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= TesmoGame::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= TesmoGame::CtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= TesmoGame::AltMask;
    return shift;
}

int mouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return TesmoGame::RightButton;
    case Qt::MiddleButton:
        return TesmoGame::MiddleButton;
    default:
        return TesmoGame::LeftButton;
    }
}

} // namespace

Form1::Form1(const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_start(services.installedDir.isEmpty() ? services.programDir : QDir(services.installedDir))
    , m_quit([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("TESMO 2009"));
    setWindowIcon(Artwork::programIcon());
    pinDesignedLook(this);

    auto *surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("Form1Surface"));
    surface->setFixedSize(px(8790), px(6690));
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
    setCentralWidget(surface);

    Picture2 = new QLabel(surface);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twipRect(0, 0, 510, 510));
    Picture2->setPixmap(Artwork::handPointerImage());
    Picture2->hide();

    buildPanel();
    buildBoard();

    Label12 = makeLabel(surface, Links::SiteName, twipRect(4080, 6420, 855, 195),
                        Fonts::tahoma(8.25));
    Label12->setObjectName(QStringLiteral("Label12"));
    QFont linkFont = Label12->font();
    linkFont.setUnderline(true);
    Label12->setFont(linkFont);
    setLabelColours(Label12, DarkBlueText);
    Label12->setToolTip(tr("Visita il sito dell'autore"));
    autoSize(Label12);
    Label12->setMouseTracking(true);
    Label12->installEventFilter(this);

    buildMenus();

    QWidget::setTabOrder(Text1, Option1);
    QWidget::setTabOrder(Option1, Option2);
    QWidget::setTabOrder(Option2, List1);
    QWidget::setTabOrder(List1, Command3d3);
    QWidget::setTabOrder(Command3d3, Command3d1);
    QWidget::setTabOrder(Command3d1, Text2);
    QWidget::setTabOrder(Text2, Command3d2);
    QWidget::setTabOrder(Command3d2, Combo1);

    setFixedSize(sizeHint());

    TesmoGame::Services gameServices = services;
    gameServices.window = this;
    m_game = std::make_unique<TesmoGame>(gameServices);

    connect(Command3d2, &QToolButton::clicked, this, [this] { m_game->Command3d2_Click(); });
    connect(Command3d1, &QToolButton::clicked, this, [this] { m_game->Command3d1_Click(); });
    connect(Command3d3, &QToolButton::clicked, this, [this] { m_game->Command3d3_Click(); });
    connect(Option1, &QRadioButton::clicked, this, [this] { m_game->Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { m_game->Option2_Click(); });
    // A choice is a selection: the list's focus alone makes an entry current
    // without choosing it. A voice once chosen can be changed but never taken
    // away (a Ctrl+click on it would leave the list without a selection).
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (List1->selectedItems().isEmpty()) {
            if (m_voice >= 0)
                setVoiceIndex(m_voice);
            return;
        }
        m_voice = voiceIndex();
        m_game->List1_Click();
    });
    connect(Combo1, &QComboBox::activated, this, [this](int index) { m_game->Combo1_Click(index); });

    // The window becomes the program's active one when the keyboard comes to
    // it from another of the program's windows, or first of all.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Form1::activeWindowChanged);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(Rules::TickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, [this] { m_game->Timer1_Timer(); });
    Timer1->start();
    Accessibility::nameControls(*this);
}

Form1::~Form1()
{
    m_terminated = true;
    delete m_form4;
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void Form1::buildBoard()
{
    Frame1 = new ClassicFrame(centralWidget());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(390, 90, 4665, 6315));
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    static const int rowTops[6] = {270, 1275, 2280, 3285, 4290, 5280};
    for (int i = 0; i < 30; ++i) {
        QLabel *cell = makeLabel(Frame1, QStringLiteral("L"), twipRect(360 + 810 * (i % 5), rowTops[i / 5], 765, 915),
                                 Fonts::tahoma(36, true), CentredText);
        cell->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i] = cell;
        setLabelColours(cell, Qt::black, qbColor(m_cellColour[i]), true);
    }
}

void Form1::buildPanel()
{
    QWidget *surface = centralWidget();
    Frame2 = new ClassicFrame(tr("Scrivi qua sotto la soluzione"), surface);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFont(Fonts::tahoma(8.25));
    Frame2->setGeometry(twipRect(5100, 90, 3375, 6315));

    using namespace Palette;
    const QFont small = Fonts::tahoma(8.25);
    const QFont clock = Fonts::courierNew(12, true);
    const QFont caption = Fonts::tahoma(12, true);
    const QFont display = Fonts::courierNew(14.25, true);
    const Qt::Alignment left = LeftText, centred = CentredText, right = RightText;
    const QColor ownText;  // the window's text colour
    const int none = NoBackground;
    const QColor black(Qt::black), darkBlue(DarkBlueText);

    // The panel's labels, in the order they are made (makeLabelsThrough below): member, name, text,
    // left, top, width, height (twips), font, alignment, text colour, background, border, tooltip.
    const LabelDesign labels[] = {
        // Partly under the name box, the dictionary box and the picture: made
        // before them, they stay underneath.
        {&Label7, "Label7", QT_TR_NOOP("Giocatore:"), 210, 1890, 825, 240, small, left, ownText, none, false, ""},
        {&Label11, "Label11", QT_TR_NOOP("Dizionario:"), 240, 4740, 825, 240, small, left, ownText, none, false, ""},
        {&Label8, "Label8", "aaaaaaaaaaa", 1710, 4890, 1275, 375, clock, centred, black, Yellow, true, QT_TR_NOOP("Secondi trascorsi")},
        // Beside the list of voices.
        {&Label6, "Label6", QT_TR_NOOP("Voce>"), 1170, 1770, 495, 165, small, left, ownText, none, false, ""},
        // The words tried in this manche: a caption and the word, line by line.
        {&Label9[0], "Label9_0", QT_TR_NOOP("1* Tentativo"), 210, 2400, 1455, 285, small, centred, darkBlue, LightCyan, true, ""},
        {&Label10[0], "Label10_0", "", 1680, 2400, 1305, 285, small, centred, darkBlue, Yellow, true, ""},
        {&Label9[1], "Label9_1", QT_TR_NOOP("2* Tentativo"), 210, 2715, 1455, 285, small, centred, darkBlue, LightCyan, true, ""},
        {&Label10[1], "Label10_1", "", 1680, 2715, 1305, 285, small, centred, darkBlue, Yellow, true, ""},
        {&Label9[2], "Label9_2", QT_TR_NOOP("3* Tentativo"), 210, 3015, 1455, 285, small, centred, darkBlue, LightCyan, true, ""},
        {&Label10[2], "Label10_2", "", 1680, 3015, 1305, 285, small, centred, darkBlue, Yellow, true, ""},
        {&Label9[3], "Label9_3", QT_TR_NOOP("4* Tentativo"), 210, 3330, 1455, 285, small, centred, darkBlue, LightCyan, true, ""},
        {&Label10[3], "Label10_3", "", 1680, 3330, 1305, 285, small, centred, darkBlue, Yellow, true, ""},
        {&Label9[4], "Label9_4", QT_TR_NOOP("5* Tentativo"), 210, 3660, 1455, 285, small, centred, darkBlue, LightCyan, true, ""},
        {&Label10[4], "Label10_4", "", 1680, 3660, 1305, 285, small, centred, darkBlue, Yellow, true, ""},
        // The points and the manche.
        {&Label3, "Label3", QT_TR_NOOP("Punti :"), 210, 4080, 1440, 330, caption, right, black, LightCyan, true, ""},
        {&Label2, "Label2", "0", 1680, 4080, 1305, 330, display, centred, black, Yellow, true, QT_TR_NOOP("Punti fatti")},
        {&Label4, "Label4", QT_TR_NOOP("Manche :"), 210, 4395, 1440, 330, caption, right, black, LightCyan, true, ""},
        {&Label5, "Label5", "0", 1680, 4395, 1305, 330, display, centred, black, Yellow, true, QT_TR_NOOP("Manche (n/5)")},
    };
    // The panel is made top to bottom, but for the labels lying under a
    // control, and screen readers list it in that order: each label is made
    // in its turn between the other controls.
    const LabelDesign *next = std::begin(labels);
    auto makeLabelsThrough = [&](QLabel **last) {
        for (bool done = false; !done && next != std::end(labels); ++next) {
            makeLabel(Frame2, *next);
            done = next->slot == last;
        }
    };

    makeLabelsThrough(&Label8);

    Text1 = place(new QLineEdit(Frame2), "Text1", twipRect(180, 300, 2790, 645), Fonts::tahoma(24, true));
    Text1->setMaxLength(5);
    Text1->installEventFilter(this);

    Command3d2 = makeButton(Frame2, "Command3d2", tr("&Accetta"), Artwork::acceptPicture(),
                            tr("Accetta soluzione (Invio)"), twipRect(210, 990, 1425, 765));

    Option1 = place(new QRadioButton(tr("5 tentativi"), Frame2), "Option1",
                    twipRect(1920, 1020, 1065, 195), small, tr("Gioco con 5 input"));
    Option1->setChecked(true);
    Option2 = place(new QRadioButton(tr("6 tentativi"), Frame2), "Option2",
                    twipRect(1920, 1230, 1065, 195), small, tr("Gioco con 6 input"));

    List1 = place(new QListWidget(Frame2), "List1", twipRect(1680, 1560, 1305, 840), small,
                  tr("Voce effetti sonori"));

    makeLabelsThrough(&Label6);

    Text2 = place(new QLineEdit(tr("Anonimo"), Frame2), "Text2", twipRect(210, 2100, 1455, 270),
                  Fonts::tahoma(8.25, true), tr("Per cambiare nome del giocatore corrente"));
    NameValidator::install(Text2);
    Text2->installEventFilter(this);

    makeLabelsThrough(&Label5);

    Picture1 = new QLabel(Frame2);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(1230, 4800, 495, 495));
    Picture1->setPixmap(Artwork::decorationPicture());
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->installEventFilter(this);

    Combo1 = place(new QComboBox(Frame2), "Combo1", twipRect(210, 4950, 1005, 315), small);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);  // typing never adds a word list
    // A list is chosen in the open list (or with the arrow keys), never by
    // typing: no completion, and leaving the text part selects nothing.
    Combo1->setCompleter(nullptr);
    QObject::disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, Combo1, nullptr);
    QObject::disconnect(Combo1->lineEdit(), &QLineEdit::returnPressed, Combo1, nullptr);
    Combo1->installEventFilter(this);  // the wheel over the closed box
    Combo1->setEditText(QStringLiteral("Combo1"));

    Command3d3 = makeButton(Frame2, "Command3d3", tr("&Hiscores"), Artwork::hiscoresPicture(),
                            tr("Mostra tabella records"), twipRect(210, 5340, 1485, 855));
    Command3d1 = makeButton(Frame2, "Command3d1", tr("Fi&ne"), Artwork::exitPicture(),
                            tr("Esce dal gioco"), twipRect(1740, 5340, 1245, 855));
}

void Form1::buildMenus()
{
    // The menu bar belongs to the window as designed, on every desktop: it is
    // never handed over to a desktop's global menu (and the desktop is not
    // even asked for one, a round trip at every start).
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    auto add = [this](QMenu *menu, const QString &name, const QString &caption, const QKeySequence &key = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(key);
        return action;
    };
    auto separator = [](QMenu *menu, const QString &name) {
        QAction *action = menu->addSeparator();
        action->setObjectName(name);
        return action;
    };
    File = menuBar()->addMenu(tr("&File"));
    File->setObjectName(QStringLiteral("File"));
    Nuova = add(File, QStringLiteral("Nuova"), tr("&Nuova Partita"), Qt::Key_F2);
    Records = add(File, QStringLiteral("Records"), tr("&Hiscores"), Qt::Key_F3);
    Meno = separator(File, QStringLiteral("Meno"));
    Esci = add(File, QStringLiteral("Esci"), tr("&Esci"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    // Ctrl+Q as well, for desktops that keep Ctrl+F4 for themselves; the menu shows the first.
    Esci->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    Help = menuBar()->addMenu(tr("&?"));
    Help->setObjectName(QStringLiteral("Help"));
    Aiuto = add(Help, QStringLiteral("Aiuto"), tr("&Aiuto veloce"), Qt::Key_F1);
    MenuAiuto1 = add(Help, QStringLiteral("MenuAiuto1"), tr("A&iuto"));
    Meno1 = separator(Help, QStringLiteral("Meno1"));
    MenuMail = add(Help, QStringLiteral("MenuMail"), tr("&Scrivi E-Mail all'autore ..."));
    menuPHP = add(Help, QStringLiteral("menuPHP"), tr("&Visita Home Page ..."));
    VLP = add(Help, QStringLiteral("VLP"), tr("&Vosti Letter Pack ..."), Qt::Key_F6);
    mm = separator(Help, QStringLiteral("mm"));
    menuVLPONLine = add(Help, QStringLiteral("menuVLPONLine"), tr("Acquista VLP On-line ..."));
    Meno3 = separator(Help, QStringLiteral("Meno3"));
    About = add(Help, QStringLiteral("About"), tr("A&bout"), Qt::Key_F4);

    File->installEventFilter(this);
    Help->installEventFilter(this);
    // The menus are the window's own: its colours, readable on any desktop.
    File->setPalette(designedPalette());
    Help->setPalette(designedPalette());

    connect(Nuova, &QAction::triggered, this, [this] { m_game->Nuova_Click(); });
    connect(Records, &QAction::triggered, this, [this] { m_game->Records_Click(); });
    connect(Esci, &QAction::triggered, this, [this] { m_game->Esci_Click(); });
    connect(Aiuto, &QAction::triggered, this, [this] { m_game->Aiuto_Click(); });
    connect(MenuAiuto1, &QAction::triggered, this, [this] { m_game->MenuAiuto1_Click(); });
    connect(MenuMail, &QAction::triggered, this, [this] { m_game->MenuMail_Click(); });
    connect(menuPHP, &QAction::triggered, this, [this] { m_game->menuPHP_Click(); });
    connect(VLP, &QAction::triggered, this, [this] { m_game->VLP_Click(); });
    connect(menuVLPONLine, &QAction::triggered, this, [this] { m_game->menuVLPONLine_Click(); });
    connect(About, &QAction::triggered, this, [this] { m_game->About_Click(); });
}

void Form1::load()
{
    m_game->Form_Load();
}

// ---------------------------------------------------------------- events

bool Form1::event(QEvent *event)
{
    // The event loop is about to paint whatever is pending: the next pause
    // has nothing older to put on screen.
    if (event->type() == QEvent::UpdateRequest) {
        m_dirty = QRegion();
        m_wholeFrame = false;
    }
    return QMainWindow::event(event);
}

void Form1::activeWindowChanged(QWindow *window)
{
    if (!window)
        return;  // the keyboard went to another program: not a change between our windows
    if (window->type() == Qt::Popup || window->type() == Qt::ToolTip)
        return;  // an open menu or list belongs to the window it opened from
    if (window != windowHandle()) {
        // Only the game's own windows count as leaving this one; a message
        // box closes onto the control that had the keyboard.
        m_cameFrom = isGameWindow(window) ? CameFrom::GameWindow : CameFrom::OtherWindow;
        return;
    }
    const CameFrom from = std::exchange(m_cameFrom, CameFrom::Here);
    if (!isEnabled()) {
        // A disabled window is not activated by a click: the table keeps the keyboard.
        if (highScoresOpen())
            showHighScores();
        return;
    }
    if (from != CameFrom::GameWindow && from != CameFrom::Start)
        return;
    if (m_game && !m_terminated && !m_flushing)
        m_game->Form_Activate();
}

bool Form1::isGameWindow(const QWindow *window)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget->windowHandle() == window)
            return qobject_cast<Form2 *>(widget) || qobject_cast<Form3 *>(widget) || qobject_cast<Form4 *>(widget);
    }
    return false;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (m_terminated || m_flushing || !m_game)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        if ((watched == File || watched == Help) && menuShortcut(static_cast<QKeyEvent *>(event)))
            return true;
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == Text1 && (enter || key == Qt::Key_Escape))
            return m_game->Text1_KeyPress(enter ? 13 : 27);
        if (watched == Text2 && enter)
            return m_game->Text2_KeyPress(13);
        break;
    }
    case QEvent::FocusOut: {
        // Only a move of the focus inside the program counts as leaving the
        // box, not a switch to another window, a popup or the menu bar.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (watched == Text2 && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && reason != Qt::MenuBarFocusReason)
            m_game->Text2_LostFocus();
        break;
    }
    case QEvent::Wheel:
        if (watched == Combo1)
            return true;  // a turn of the wheel must not throw the game away
        break;
    case QEvent::MouseButtonPress:
        if (watched == Picture1) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            m_game->Picture1_MouseDown(mouseButton(mouse->button()), shiftState(mouse->modifiers()));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Label12) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && Label12->rect().contains(mouse->position().toPoint()))
                m_game->Label12_Click();
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (watched == Label12) {
            // Handled here: the window surface underneath must not see it.
            m_game->Label12_MouseMove();
            return true;
        }
        if (watched == Frame1 || watched == centralWidget())
            m_game->Form_MouseMove();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::menuShortcut(QKeyEvent *key)
{
    // An open menu takes the keys; the shortcut keys still act, on a closed menu.
    const QKeySequence pressed(key->keyCombination());
    for (QMenu *menu : {File, Help}) {
        for (QAction *action : menu->actions()) {
            if (!action->shortcuts().contains(pressed) || !action->isVisible()
                || !action->isEnabled())
                continue;
            while (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
            action->trigger();
            return true;
        }
    }
    return false;
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_game)
        m_game->Form_Resize();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the window ends the program: no save, no voice, no table.
    m_terminated = true;
    Timer1->stop();
    event->accept();
    m_quit();
}

// ---------------------------------------------------------------- GameWindow

void Form1::paintCell(int cell)
{
    // The text colour and the border were set with the board; only the
    // background changes.
    QPalette palette = Label1[cell]->palette();
    palette.setColor(QPalette::Window, cellColour(m_cellColour[cell], m_boardColours));
    Label1[cell]->setPalette(palette);
}

void Form1::setBoardColours(BoardColours colours)
{
    m_boardColours = colours;
    for (int cell = 0; cell < 30; ++cell)
        paintCell(cell);
    Accessibility::setBoardColours(*this, colours);
}

void Form1::changed(QWidget *widget)
{
    m_dirty += QRect(widget->parentWidget()->mapTo(this, widget->pos()), widget->size());
}

void Form1::setLabelText(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    changed(label);
}

void Form1::setShown(QWidget *widget, bool visible)
{
    if (widget->isHidden() != visible)
        return;
    widget->setVisible(visible);
    changed(widget);
}

void Form1::setCellText(int cell, const QString &text)
{
    setLabelText(Label1[cell], text);
}

void Form1::setCellColour(int cell, int colour)
{
    if (m_cellColour[cell] == colour)
        return;
    m_cellColour[cell] = colour;
    paintCell(cell);
    Accessibility::nameCell(Label1[cell], colour);
    changed(Label1[cell]);
}

void Form1::setCellVisible(int cell, bool visible)
{
    setShown(Label1[cell], visible);
}

void Form1::rowRated(int row)
{
    Accessibility::announceRow(*this, row, m_cellColour + 5 * (row - 1));
}

void Form1::setTriedWord(int line, const QString &word)
{
    setLabelText(Label10[line], word);
}

void Form1::setTriedWordVisible(int line, bool visible)
{
    setShown(Label10[line], visible);
}

void Form1::setTriedTitleVisible(int line, bool visible)
{
    setShown(Label9[line], visible);
}

void Form1::setMancheText(const QString &text)
{
    setLabelText(Label5, text);
}

void Form1::setPointsText(const QString &text)
{
    setLabelText(Label2, text);
}

void Form1::setElapsedText(const QString &text)
{
    setLabelText(Label8, text);
}

QString Form1::guessText() const
{
    return Text1->text();
}

void Form1::setGuessText(const QString &text)
{
    Text1->setText(text);
    changed(Text1);
}

QString Form1::playerNameText() const
{
    return Text2->text();
}

void Form1::setPlayerNameText(const QString &text)
{
    // A name the game puts in the box is shown from its first letter; the
    // player typing in it keeps the cursor where it was (a save only
    // capitalises what is there).
    const bool typing = Text2->hasFocus() && Text2->text().compare(text, Qt::CaseInsensitive) == 0;
    const int cursor = Text2->cursorPosition();
    Text2->setText(text);
    Text2->setCursorPosition(typing ? cursor : 0);
    changed(Text2);
}

bool Form1::focusGuess()
{
    if (!Text1->isEnabled() || !Text1->isVisibleTo(this))
        return false;
    if (QWidget *before = QApplication::focusWidget())
        changed(before);
    Text1->setFocus(Qt::OtherFocusReason);
    changed(Text1);
    return true;
}

int Form1::voiceCount() const
{
    return List1->count();
}

void Form1::fillLists()
{
    QSignalBlocker listBlocker(List1);
    QSignalBlocker comboBlocker(Combo1);
    List1->addItems({tr("Nessuno"), QStringLiteral("Tobio"), QStringLiteral("Serilla")});
    List1->setCurrentRow(-1);
    List1->clearSelection();
    for (const WordLists::List &list : WordLists::All)
        Combo1->addItem(QString::fromUtf8(list.name));
}

int Form1::voiceIndex() const
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

void Form1::setVoiceIndex(int index)
{
    QSignalBlocker blocker(List1);
    m_voice = index;
    if (index < 0) {
        List1->clearSelection();
        List1->setCurrentRow(-1);
    } else {
        List1->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
    changed(List1);
}

void Form1::setDictionaryIndex(int index)
{
    QSignalBlocker blocker(Combo1);
    Combo1->setCurrentIndex(index);
    changed(Combo1);
}

bool Form1::fiveAttemptsSelected() const
{
    return Option1->isChecked();
}

void Form1::selectAttempts(int attempts)
{
    QSignalBlocker blocker1(Option1);
    QSignalBlocker blocker2(Option2);
    (attempts == Rules::FewRows ? Option1 : Option2)->setChecked(true);
    changed(Option1);
    changed(Option2);
}

void Form1::setProductMenuVisible(bool visible)
{
    VLP->setVisible(visible);
    Meno3->setVisible(visible);
}

GameWindow::Answer Form1::messageBox(const QString &text, const QString &title, Buttons buttons)
{
    // Over the modal window that asked for it (the about window's links), or over this one.
    QWidget *over = QApplication::activeModalWidget();
    // Set once the box has gone: it leaves a hole in the window's picture.
    const Answer answer = m_responder ? m_responder(text, title, buttons)
                                      : showMessageBox(over ? over : this, text, title, buttons);
    m_wholeFrame = true;
    return answer;
}

Form2 *Form1::form2()
{
    // One window for the whole run: its colour cycle goes on from showing to showing.
    if (!m_form2)
        m_form2 = new Form2(this);
    return m_form2;
}

Form4 *Form1::form4() const
{
    return highScoresOpen() ? m_form4.data() : nullptr;
}

void Form1::showCongratulations()
{
    if (m_congratulations) {
        form2()->prepare();
        m_congratulations(*form2());
    } else {
        form2()->showModal();
    }
    m_wholeFrame = true;
}

void Form1::showHighScores()
{
    if (highScoresOpen()) {
        m_form4->raise();
        m_form4->activateWindow();
        return;
    }
    m_form4 = new Form4(*m_game, this);
    m_form4->show();
    m_form4->activateWindow();  // the keyboard goes with it: the main window refuses it meanwhile
}

bool Form1::highScoresOpen() const
{
    // A closed table deletes itself a moment later; closed is gone.
    return m_form4 && m_form4->isVisible();
}

void Form1::closeHighScores()
{
    if (m_form4)
        m_form4->close();
    m_wholeFrame = true;
}

void Form1::setMainEnabled(bool enabled)
{
    if (isEnabled() == enabled)
        return;
    setEnabled(enabled);
    m_wholeFrame = true;
}

void Form1::showAbout()
{
    Form3 about(this, [this](const QString &commandLine) { m_game->openTarget(commandLine); },
                [this](bool hand) { setApplicationPointer(hand ? Pointer::Hand : Pointer::Arrow); });
    if (m_about)
        m_about(about);
    else
        about.exec();
    m_wholeFrame = true;
}

GameWindow::Opened Form1::startCommand(const QString &commandLine)
{
    return m_start.run(commandLine);
}

void Form1::setApplicationPointer(Pointer pointer)
{
    // One override for the whole program, changed in place rather than stacked.
    const QCursor cursor = pointer == Pointer::Hand ? Artwork::handCursor() : QCursor(Qt::ArrowCursor);
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

void Form1::flushPainting()
{
    // A window shown a moment ago (the high-score table before "Ciao") is not
    // on screen until the display has mapped it: wait for that briefly,
    // handling window-system events only, never input or timers.
    auto unexposed = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [](QWidget *window) {
            return window->isVisible() && window->windowHandle() && !window->windowHandle()->isExposed();
        });
    };
    QElapsedTimer waited;
    waited.start();
    m_flushing = true;  // no handler of the game runs meanwhile
    while (unexposed() && waited.elapsed() < 250) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
        if (unexposed())
            QThread::msleep(5);
    }
    m_flushing = false;

    // Then only what changed since the last frame is painted and put on
    // screen: the controls the game changed, each window in one go (together
    // with any update already pending in it, such as a button let go). After
    // a box or window closed over it, or a change of its enabled state, the
    // whole window is painted again, as the screen under the box may be stale.
    if (m_wholeFrame) {
        m_wholeFrame = false;
        m_dirty = QRegion();
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->isVisible())
                window->repaint();
        }
        return;
    }
    const QRegion region = std::exchange(m_dirty, QRegion());
    if (isVisible() && !region.isEmpty())
        repaint(region);
}

void Form1::terminate()
{
    m_terminated = true;
    Timer1->stop();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    m_quit();
}
