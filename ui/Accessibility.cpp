// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Accessibility.h"

#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "engine/Palette.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

namespace {

using namespace Palette;

// Properties that give a label a spoken name of its own (see LabelInterface).
constexpr char CellProperty[] = "tesmoCell";          // board cell index 0..29
constexpr char ColourProperty[] = "tesmoCellColour";  // its palette colour
constexpr char ColourBlindProperty[] = "tesmoColourBlind";  // painted in the colour-blind palette
constexpr char CaptionProperty[] = "tesmoCaption";    // what a display shows
constexpr char NoneProperty[] = "tesmoNone";          // what it says while empty
constexpr char ShownOnlyProperty[] = "tesmoShownOnly";  // a frame that lists only what is on screen
constexpr char NoticeProperty[] = "tesmoNotice";      // the spoken notice of the main window
constexpr char NoticeName[] = "Annuncio";

// A label whose name is worked out when it is asked for, so it always says
// what is on screen: a board cell in words, a display as "caption: value".
// Qt reports every change of a label's text as a change of its name.
class LabelInterface : public QAccessibleWidget
{
public:
    explicit LabelInterface(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *label = static_cast<const QLabel *>(widget());
        const QVariant cell = label->property(CellProperty);
        if (cell.isValid()) {
            const int i = cell.toInt();
            return Accessibility::cellName(i / 5 + 1, i % 5 + 1, label->property(ColourProperty).toInt(),
                                           label->text(),
                                           label->property(ColourBlindProperty).toBool() ? BoardColours::ColourBlind
                                                                                          : BoardColours::Designed);
        }
        const QString value = label->text().isEmpty() ? label->property(NoneProperty).toString() : label->text();
        return QCoreApplication::translate("Accessibility", "%1: %2").arg(label->property(CaptionProperty).toString(), value);
    }
};

// A frame that lists only the controls on screen: the board's hidden sixth
// row must not be read.
class ShownOnlyInterface : public QAccessibleWidget
{
public:
    explicit ShownOnlyInterface(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    int childCount() const override { return shown().size(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> list = shown();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? shown().indexOf(qobject_cast<QWidget *>(child->object())) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> list;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden())
                list.append(child);
        }
        return list;
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (object->property(NoticeProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    if (auto *label = qobject_cast<QLabel *>(object)) {
        if (label->property(CellProperty).isValid() || label->property(CaptionProperty).isValid())
            return new LabelInterface(label);
    }
    if (object->property(ShownOnlyProperty).toBool())
        return new ShownOnlyInterface(static_cast<QWidget *>(object));
    return nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Qt keeps the interface it makes for a widget, and makes one for every
// change it reports, even while no screen reader listens. One made while the
// window was being built, before the widget had its properties, is dropped so
// that the next question gets one from the factory.
void renew(QObject *object)
{
    if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void name(QWidget *widget, const QString &name, const QString &description = QString())
{
    widget->setAccessibleName(name);
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}

// A label read as "caption: its text", or "caption: none" while it is
// empty; its tooltip stays its description.
void display(QLabel *label, const QString &caption, const QString &none = QCoreApplication::translate("Accessibility", "nessuna parola"))
{
    label->setProperty(CaptionProperty, caption);
    label->setProperty(NoneProperty, none);
    renew(label);
}

// "1", "1 e 4", "1, 3 e 5".
QString positions(const QList<int> &list)
{
    QStringList numbers;
    for (int p : list)
        numbers << QString::number(p);
    const QString last = numbers.takeLast();
    return numbers.isEmpty() ? last
                             : QCoreApplication::translate("Accessibility", "%1 e %2")
                                   .arg(numbers.join(QStringLiteral(", ")), last);
}

QString group(const QList<int> &list, const QString &one, const QString &many)
{
    return (list.size() == 1 ? QCoreApplication::translate("Accessibility", "posizione %1 %2")
                             : QCoreApplication::translate("Accessibility", "posizioni %1 %2"))
        .arg(positions(list), list.size() == 1 ? one : many);
}

} // namespace

namespace Accessibility {

QString cellName(int row, int position, int colour, const QString &text, BoardColours colours)
{
    const QString letter = text.trimmed();
    const QString shown = cellColourName(colour, colours);  // the colour as painted
    QString state;
    switch (colour) {
    case White:
        state = letter.isEmpty() ? shown : QCoreApplication::translate("Accessibility", "%1, %2 al suo posto").arg(shown, letter);
        break;
    case Green:
        state = QCoreApplication::translate("Accessibility", "%1, la lettera è altrove").arg(shown);
        break;
    case DarkRed:
        // The opening row shows one letter; the others are still to be found.
        state = QCoreApplication::translate("Accessibility", "%1, lettera %2").arg(shown, row == 1 ? QCoreApplication::translate("Accessibility", "da scoprire") : QCoreApplication::translate("Accessibility", "assente"));
        break;
    default:
        state = letter.isEmpty() ? QCoreApplication::translate("Accessibility", "%1, vuota").arg(shown) : QCoreApplication::translate("Accessibility", "%1, %2").arg(shown, letter);
        break;
    }
    return QCoreApplication::translate("Accessibility", "Riga %1, posizione %2: %3").arg(row).arg(position).arg(state);
}

void setBoardColours(Form1 &form, BoardColours colours)
{
    for (QLabel *cell : form.Label1) {
        cell->setProperty(ColourBlindProperty, colours == BoardColours::ColourBlind);
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QString rowSummary(int row, const int colours[5], const QString texts[5], const QString &word)
{
    QStringList placed;
    QString letters;
    QList<int> elsewhere, absent, blank;
    for (int p = 1; p <= 5; ++p) {
        const QString letter = texts[p - 1].trimmed();
        switch (colours[p - 1]) {
        case White:
            placed << QCoreApplication::translate("Accessibility", "%1 al suo posto in posizione %2").arg(letter).arg(p);
            letters += letter;
            break;
        case Green:
            elsewhere << p;
            break;
        case DarkRed:
            absent << p;
            break;
        default:
            blank << p;
            break;
        }
    }
    const QString head = QCoreApplication::translate("Accessibility", "Riga %1").arg(row);
    if (placed.size() == 5) {
        // The whole word: found, or the solution shown at the end of a lost manche.
        if (word.isEmpty() || word == letters)
            return QCoreApplication::translate("Accessibility", "%1: %2, parola indovinata.").arg(head, letters);
        return QCoreApplication::translate("Accessibility", "%1, %2: sbagliata, la parola era %3.").arg(head, word, letters);
    }
    QStringList parts = placed;
    if (!elsewhere.isEmpty())
        parts << group(elsewhere, QCoreApplication::translate("Accessibility", "altrove"), QCoreApplication::translate("Accessibility", "altrove"));
    if (!absent.isEmpty()) {
        if (row == 1)
            parts << group(absent, QCoreApplication::translate("Accessibility", "da scoprire"), QCoreApplication::translate("Accessibility", "da scoprire"));
        else
            parts << group(absent, QCoreApplication::translate("Accessibility", "assente"), QCoreApplication::translate("Accessibility", "assenti"));
    }
    if (!blank.isEmpty())
        parts << group(blank, QCoreApplication::translate("Accessibility", "vuota"), QCoreApplication::translate("Accessibility", "vuote"));
    return (word.isEmpty() ? QCoreApplication::translate("Accessibility", "%1: %2.").arg(head, parts.join(QStringLiteral(", ")))
                           : QCoreApplication::translate("Accessibility", "%1, %2: %3.").arg(head, word, parts.join(QStringLiteral(", "))));
}

void nameControls(Form1 &form)
{
    installFactory();
    name(form.Frame1, QCoreApplication::translate("Accessibility", "Tabellone"), QCoreApplication::translate("Accessibility", "Sei righe di cinque caselle"));
    // What the game has to say without moving the focus is shown to screen
    // readers as a notification that appears: a widget of one pixel that
    // draws nothing and lets the mouse through.
    auto *notice = new QWidget(form.centralWidget());
    notice->setObjectName(QString::fromLatin1(NoticeName));
    notice->setProperty(NoticeProperty, true);
    notice->setGeometry(0, 0, 1, 1);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->hide();
    form.Frame1->setProperty(ShownOnlyProperty, true);
    renew(form.Frame1);
    for (int i = 0; i < 30; ++i) {
        form.Label1[i]->setProperty(CellProperty, i);
        form.Label1[i]->setProperty(ColourProperty, Black);
        renew(form.Label1[i]);
    }
    name(form.Frame2, form.Frame2->title());
    name(form.Text1, QCoreApplication::translate("Accessibility", "Parola da indovinare"));
    name(form.Text2, QCoreApplication::translate("Accessibility", "Nome del giocatore"));
    name(form.Command3d1, QCoreApplication::translate("Accessibility", "Fine"));
    name(form.Command3d2, QCoreApplication::translate("Accessibility", "Accetta"));
    name(form.Command3d3, QCoreApplication::translate("Accessibility", "Hiscores"));
    name(form.Option1, form.Option1->text());
    name(form.Option2, form.Option2->text());
    name(form.List1, QCoreApplication::translate("Accessibility", "Voce"));
    // On this desktop Qt reads a combo box by its text and its label: the
    // caption beside it becomes that label.
    name(form.Combo1, QCoreApplication::translate("Accessibility", "Dizionario"), QCoreApplication::translate("Accessibility", "Lingua delle parole"));
    form.Label11->setBuddy(form.Combo1);
    name(form.Picture1, QCoreApplication::translate("Accessibility", "Decorazione"));
    name(form.Label12, QCoreApplication::translate("Accessibility", "Sito dell'autore: %1").arg(form.Label12->text()));
    display(form.Label2, QCoreApplication::translate("Accessibility", "Punti"));
    display(form.Label5, QCoreApplication::translate("Accessibility", "Manche"));
    display(form.Label8, QCoreApplication::translate("Accessibility", "Secondi"));
    for (int k = 0; k < 5; ++k)
        display(form.Label10[k], QCoreApplication::translate("Accessibility", "Tentativo %1").arg(k + 1));
}

void nameControls(Form2 &form)
{
    name(form.Frame1, QCoreApplication::translate("Accessibility", "TESMO"));
    name(form.Command3d1, QCoreApplication::translate("Accessibility", "OK"));
}

void nameControls(Form3 &form)
{
    name(form.Frame1, form.Label2->text());
    name(form.Frame2, QCoreApplication::translate("Accessibility", "Contatti"));
    name(form.Picture1, QCoreApplication::translate("Accessibility", "Icona di Tesmo"));
    name(form.Command3d1, QCoreApplication::translate("Accessibility", "OK"));
    name(form.Label1[1], form.Label1[1]->text(), QCoreApplication::translate("Accessibility", "Collegamento alla pagina dell'autore"));
    name(form.Label1[4], form.Label1[4]->text(), QCoreApplication::translate("Accessibility", "Collegamento per scrivere all'autore"));
    name(form.Label1[5], form.Label1[5]->text(), QCoreApplication::translate("Accessibility", "Collegamento al negozio"));
}

void nameControls(Form4 &form)
{
    name(form.Picture1, QCoreApplication::translate("Accessibility", "Hiscores"));
    display(form.Label1, QCoreApplication::translate("Accessibility", "Miglior giocatore"), QCoreApplication::translate("Accessibility", "nessuno"));
    name(form.Command3d1, QCoreApplication::translate("Accessibility", "OK"));
    name(form.Frame1, form.Frame1->title());
    name(form.List1, form.Frame1->title());
}

void nameCell(QLabel *cell, int colour)
{
    if (cell->property(ColourProperty).toInt() == colour)
        return;
    cell->setProperty(ColourProperty, colour);
    QAccessibleEvent event(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void announceRow(Form1 &form, int row, const int colours[5])
{
    QString texts[5];
    for (int p = 0; p < 5; ++p)
        texts[p] = form.Label1[5 * (row - 1) + p]->text();
    const QString word = row >= 2 ? form.Label10[row - 2]->text() : QString();
    QString sentence = rowSummary(row, colours, texts, word);
    if (row == 1)  // a manche starts
        sentence = QCoreApplication::translate("Accessibility", "Manche %1. ").arg(form.Label5->text()) + sentence;
    // The engine paints the opening row twice after a lost manche: say it once.
    if (form.Text1->accessibleDescription() == sentence)
        return;
    form.Text1->setAccessibleDescription(sentence);
    // Screen readers take a change of description as a message only in
    // their latest versions; a notification that appears they read at once.
    if (auto *notice = form.centralWidget()->findChild<QWidget *>(QString::fromLatin1(NoticeName),
                                                                   Qt::FindDirectChildrenOnly)) {
        notice->hide();
        notice->setAccessibleName(sentence);
        notice->show();
    }
}

} // namespace Accessibility
