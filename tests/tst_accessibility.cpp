// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/WindowFixture.h"
#include "tests/Shown.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "engine/Links.h"
#include "ui/Form4.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// What a screen reader finds in the real windows, offscreen: every control's
// name, the board cells in words, the sentence after a rated row, the focus
// walk of the Tab key.
class TestAccessibility : public QObject
{
    Q_OBJECT

    // Everything the windows tell a screen reader, as "event: name".
    static inline QStringList events;

    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *iface = event->accessibleInterface();
        if (!iface)
            return;
        if (event->type() == QAccessible::Focus) {
            // The control that took the focus, not the part of it (a list's row).
            QObject *control = event->object();
            while (control && control->parent() && !control->parent()->objectName().startsWith(QStringLiteral("Frame")))
                control = control->parent();
            if (control)
                events << QStringLiteral("focus: %1: %2").arg(control->objectName(), nameOf(control));
        }
        else if (event->type() == QAccessible::ObjectShow && iface->role() == QAccessible::Notification)
            events << QStringLiteral("notice: ") + iface->text(QAccessible::Name);
    }

    static QString nameOf(QObject *object)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
    }

    // What a screen reader was told without a move of the focus.
    static QStringList notices()
    {
        QStringList list;
        for (const QString &event : events) {
            if (event.startsWith(QStringLiteral("notice: ")))
                list << event.mid(8);
        }
        return list;
    }

    // The names of the board's cells a screen reader can reach, in order.
    static QStringList board(Form1 &form)
    {
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(form.Frame1);
        QStringList names;
        for (int i = 0; i < frame->childCount(); ++i)
            names << frame->child(i)->text(QAccessible::Name);
        return names;
    }

private slots:
    void initTestCase()
    {
        // As if a screen reader had switched the bridge on: only then does Qt
        // make its events.
        QAccessible::installUpdateHandler(&TestAccessibility::record);
        setScreenReader(true);
    }

    void init() { events.clear(); }

    static void setScreenReader(bool on)
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
    }

    void mainWindowNames()
    {
        // Built before a screen reader connects, as at a normal start.
        setScreenReader(false);
        Window w;
        setScreenReader(true);
        const QList<std::pair<QObject *, QString>> expected = {
            {w->Text1, "Parola da indovinare"},  {w->Text2, "Nome del giocatore"},
            {w->Command3d2, "Accetta"},          {w->Command3d3, "Hiscores"},
            {w->Command3d1, "Fine"},             {w->Option1, "5 tentativi"},
            {w->Option2, "6 tentativi"},         {w->List1, "Voce"},
            {w->Picture1, "Decorazione"},
            {w->Frame1, "Tabellone"},            {w->Frame2, "Scrivi qua sotto la soluzione"},
            {w->Label2, "Punti: 0"},             {w->Label5, "Manche: " + Shown::manche(1)},
            {w->Label10[0], "Tentativo 1: nessuna parola"},
            {w->Label10[4], "Tentativo 5: nessuna parola"},
            {w->Label1[0], "Riga 1, posizione 1: bianca, P al suo posto"},
            {w->Label12, "Sito dell'autore: " + w->Label12->text()},
        };
        for (const auto &[object, name] : expected)
            QCOMPARE(nameOf(object), name);
        QTRY_COMPARE(nameOf(w->Label8), QStringLiteral("Secondi: 0 Sec"));
        // On this desktop a combo box is read by its text, after its label.
        const auto labels = QAccessible::queryAccessibleInterface(w->Combo1)->relations(QAccessible::Label);
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](const auto &label) {
            return label.first->text(QAccessible::Name) == QStringLiteral("Dizionario:");
        }));
        QCOMPARE(QAccessible::queryAccessibleInterface(w->Label2)->text(QAccessible::Description),
                 QStringLiteral("Punti fatti"));
        // No two controls share a name, as the frame's title once did.
        QStringList names;
        for (QWidget *widget : w->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(w.form.get()) && widget->parentWidget() == w->Frame2)
                names << nameOf(widget);
        }
        QCOMPARE(names.count(QStringLiteral("Scrivi qua sotto la soluzione")), 0);
    }

    void otherWindowNames()
    {
        Window w;
        QStringList names;
        w->setAboutHandler([&](Form3 &about) {
            names << nameOf(about.Command3d1) << nameOf(about.Picture1) << nameOf(about.Label1[4]);
        });
        w->setCongratulationsHandler([&](Form2 &form) { names << nameOf(form.Frame1) << nameOf(form.Command3d1); });
        w->About->trigger();
        w.random.fallback = 0.0;
        w.type("piano");
        w->Command3d3->click();
        QVERIFY(w->form4());
        names << nameOf(w->form4()->Command3d1) << nameOf(w->form4()->List1) << nameOf(w->form4()->Label1);
        QCOMPARE(names, (QStringList{"OK", "Icona di Tesmo", Links::MailAddress, "TESMO", "OK", "OK",
                                     "Migliori punteggi", "Miglior giocatore: nessuno"}));
    }

    // Rows of every colour, the solution shown on a lost manche, and the
    // opening row of the next one.
    void ratedRows()
    {
        Window w;  // PIANO, its P shown
        QCOMPARE(QAccessible::queryAccessibleInterface(w->Text1)->text(QAccessible::Description),
                 QStringLiteral("Manche 1/5. Riga 1: P al suo posto in posizione 1, posizioni 2, 3, 4 e 5 da scoprire."));
        events.clear();
        w.type("pairs");
        QCOMPARE(notices(), QStringList{"Riga 2, PAIRS: P al suo posto in posizione 1, posizioni 2 e 3 "
                                        "altrove, posizioni 4 e 5 assenti."});
        QCOMPARE(board(*w).mid(4, 7),
                 (QStringList{
                     "Riga 1, posizione 5: rossa, lettera da scoprire",
                     "Riga 2, posizione 1: bianca, P al suo posto", "Riga 2, posizione 2: verde, la lettera è altrove",
                     "Riga 2, posizione 3: verde, la lettera è altrove", "Riga 2, posizione 4: rossa, lettera assente",
                     "Riga 2, posizione 5: rossa, lettera assente", "Riga 3, posizione 1: nera, vuota"}));
        QCOMPARE(board(*w).size(), 25);  // the hidden sixth row is not read
        QCOMPARE(nameOf(w->Label10[0]), QStringLiteral("Tentativo 1: PAIRS"));

        events.clear();
        w.random.fallback = 0.2;  // the next word and its shown letter
        w.type("xxxxx");
        w.type("xxxxx");
        w.type("xxxxx");
        const QStringList said = notices();
        QCOMPARE(said.size(), 4);
        QCOMPARE(said.at(2), QStringLiteral("Riga 5, XXXXX: sbagliata, la parola era PIANO."));
        QVERIFY2(said.at(3).startsWith(QStringLiteral("Manche 2/5. Riga 1: ")), qPrintable(said.at(3)));
        QCOMPARE(board(*w).at(5), QStringLiteral("Riga 2, posizione 1: nera, vuota"));  // follows the reset

        w->Option2->click();
        QCOMPARE(board(*w).size(), 30);
        QCOMPARE(board(*w).last(), QStringLiteral("Riga 6, posizione 5: nera, vuota"));
    }

    void foundWord()
    {
        Window w;
        events.clear();
        w.type("piano");
        const QStringList said = notices();
        QCOMPARE(said.size(), 2);
        QCOMPARE(said.first(), QStringLiteral("Riga 2: PIANO, parola indovinata."));
        QVERIFY2(said.last().startsWith(QStringLiteral("Manche 1/5. Riga 1: ")), qPrintable(said.last()));
    }

    // The Tab key visits every control in the window's order, and each is
    // read by its name as it takes the focus.
    void tabWalk()
    {
        Window w;
        w->Text1->setFocus();
        events.clear();
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QStringList focus = events.filter(QStringLiteral("focus: "));
        focus.removeDuplicates();
        // A combo box is read by its entry here, after its label "Dizionario:".
        QCOMPARE(focus, (QStringList{"focus: Option1: 5 tentativi", "focus: List1: Voce", "focus: Command3d3: Hiscores",
                                     "focus: Command3d1: Fine", "focus: Text2: Nome del giocatore",
                                     "focus: Command3d2: Accetta", "focus: Combo1: Italiano",
                                     "focus: Text1: Parola da indovinare"}));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
