// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/WindowFixture.h"
#include "engine/Rules.h"
#include "tests/Shown.h"
#include "ui/Fonts.h"
#include "ui/Form2.h"
#include "ui/Form4.h"
#include "ui/MessageBox.h"
#include "storage/HighScores.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>

// The congratulations and high-score windows, offscreen.
class TestWindows : public QObject
{
    Q_OBJECT

    static QColor background(QLabel *label) { return label->palette().color(QPalette::Window); }
    static QColor text(QLabel *label) { return label->palette().color(QPalette::WindowText); }

private slots:
    void initTestCase()
    {
        Fonts::install();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void congratulationsLayout()
    {
        Form2 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Tesmo - Complimenti!"));
        QCOMPARE(form.Command3d1->toolTip(), QStringLiteral("Torna al gioco"));
        QString letters;
        for (QLabel *label : form.Label1) {
            letters += label->text();
            label->ensurePolished();
            QCOMPARE(text(label), QColor(255, 255, 255));
            QCOMPARE(background(label), QColor(0, 0, 0));
        }
        QCOMPARE(letters, QStringLiteral("TESMO"));
    }

    void colourCycleAcrossShowings()
    {
        Form2 form;
        // Tick n colours letter (n - 1) mod 5 with text n, background 15 - n.
        for (int tick = 1; tick <= 15; ++tick) {
            form.Timer1_Timer();
            QLabel *label = form.Label1[(tick - 1) % 5];
            label->ensurePolished();
            QCOMPARE(text(label), qbColorForTest(tick));
            QCOMPARE(background(label), qbColorForTest(15 - tick));
        }
        // Letter M keeps tick 14's colours until its next turn.
        QCOMPARE(text(form.Label1[3]), QColor(255, 255, 0));
        form.Timer1_Timer();  // the sixteenth tick starts the cycle again on "T"
        QCOMPARE(form.letterCounter(), 1);
        QCOMPARE(form.colourCounter(), 1);
        // A later showing starts white on black but goes on with the counters.
        form.Timer1_Timer();
        form.prepare();
        for (QLabel *label : form.Label1)
            QCOMPARE(background(label), QColor(0, 0, 0));
        form.Timer1_Timer();
        QCOMPARE(form.letterCounter(), 3);
        QCOMPARE(form.colourCounter(), 3);
        QCOMPARE(text(form.Label1[2]), QColor(0, 128, 128));
    }

    void congratulationsModalUntilOk()
    {
        Form2 form;
        int ticks = 0;
        QTimer::singleShot(300, &form, [&] {
            ticks = form.colourCounter();
            QVERIFY(form.isVisible());
            QTest::keyClick(form.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);  // OK is the default button
        });
        form.showModal();
        QVERIFY(!form.isVisible());
        QVERIFY(ticks >= 2);
        QVERIFY(!form.Timer1->isActive());
    }

    void highScoreWindowOnDemand()
    {
        Window w;
        QVERIFY(!w->form4());
        QTest::mouseClick(w->Command3d3, Qt::LeftButton);
        Form4 *table = w->form4();
        QVERIFY(table);
        QVERIFY(table->isVisible());
        QVERIFY(!w->isEnabled());
        QCOMPARE(table->windowTitle(), QStringLiteral("TESMO - Hiscores Table"));
        // Centred by its outer size, frame included.
        const QRect screen = table->screen()->geometry();
        QCOMPARE(table->frameGeometry().topLeft(),
                 QPoint((screen.width() - table->frameGeometry().width()) / 2,
                        (screen.height() - table->frameGeometry().height()) / 2));
        QVERIFY(table->frameGeometry().height() > table->height());
        QCOMPARE(table->Command3d1->toolTip(), QStringLiteral("Torna al gioco"));
        // No file yet: fifty blank rows, an empty best player, the first row selected.
        QCOMPARE(table->Label1->text(), QString());
        QCOMPARE(table->List1->count(), Rules::HighScoreRanks);
        QCOMPARE(table->List1->currentRow(), 0);
        // The settings were saved on the way in.
        QVERIFY(QFile::exists(w.dir.filePath("Tesmo.ini")));
        // A second request only brings it forward.
        w->game().Records_Click();
        QCOMPARE(w->form4(), table);
    }

    void mainWindowKeepsItsLookWhileDisabled()
    {
        Window w;
        w.type("OPERA");  // a rated row, a tried word, a chosen voice
        w->List1->setCurrentRow(2);
        w->Text1->setFocus();
        const QImage before = w->grab().toImage();
        QTest::mouseClick(w->Command3d3, Qt::LeftButton);
        QVERIFY(w->form4() && !w->isEnabled());
        const QImage during = w->grab().toImage();
        QCOMPARE(during.size(), before.size());
        // Every pixel as it was, but for the focus mark of the guess box.
        const QRect focusMark(w->Text1->mapTo(w.form.get(), QPoint()), w->Text1->size());
        int changed = 0;
        QPoint first;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (!focusMark.contains(x, y) && before.pixel(x, y) != during.pixel(x, y) && !changed++)
                    first = QPoint(x, y);
            }
        }
        QVERIFY2(changed == 0, qPrintable(QStringLiteral("%1 pixels changed, the first at %2, %3")
                                              .arg(changed).arg(first.x()).arg(first.y())));
    }

    void tableClosedEveryWay_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("&OK") << "ok";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("Enter in the list") << "enter";
        QTest::newRow("keypad Enter") << "keypad";
        QTest::newRow("close box, window manager, Alt+F4") << "close";
    }
    void tableClosedEveryWay()
    {
        QFETCH(QString, way);
        Window w;
        QTest::mouseClick(w->Command3d3, Qt::LeftButton);
        Form4 *table = w->form4();
        QVERIFY(table && !w->isEnabled());
        if (way == "ok")
            QTest::mouseClick(table->Command3d1, Qt::LeftButton);
        else if (way == "escape")
            QTest::keyClick(table, Qt::Key_Escape);
        else if (way == "enter")
            QTest::keyClick(table->List1, Qt::Key_Return);
        else if (way == "keypad")
            QTest::keyClick(table->Command3d1, Qt::Key_Enter, Qt::KeypadModifier);
        else
            table->windowHandle()->close();  // what the frame's close box asks for
        QTRY_VERIFY(!w->form4());
        QVERIFY(w->isEnabled());
        QVERIFY(w->isVisible());
        // The game goes on.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.type("XXXXX");
        QCOMPARE(w->Label10[0]->text(), QStringLiteral("XXXXX"));
    }

    void tableSelectsTheRowOfTheResult_data()
    {
        QTest::addColumn<int>("rank");
        QTest::newRow("rank 1") << 1;
        QTest::newRow("rank 3") << 3;
        QTest::newRow("the last rank") << Rules::HighScoreRanks;
        QTest::newRow("not in the table") << 0;
    }
    void tableSelectsTheRowOfTheResult()
    {
        QFETCH(int, rank);
        Window w;
        // The player "ANONIMO" with 0 points stands at the given rank.
        HighScores::Table stored;
        for (int p = 1; p <= Rules::HighScoreRanks; ++p)
            stored[p - 1] = p == rank ? HighScores::Entry{"ANONIMO", 0} : HighScores::Entry{"P", qint16(p < rank ? 900 - p : 0)};
        TestFiles::write(w.dir, "TESMO.HIS", HighScores::serialize(stored));
        QTest::mouseClick(w->Command3d3, Qt::LeftButton);
        Form4 *table = w->form4();
        QVERIFY(table);
        const int row = rank > 0 ? rank - 1 : 0;
        QCOMPARE(table->List1->currentRow(), row);
        QCOMPARE(table->List1->selectedItems(), QList<QListWidgetItem *>{table->List1->item(row)});
    }

    void activationFromTheGamesOwnWindowsOnly()
    {
        Window w;
        // Back from another program: the focus stays in the name being typed.
        w->Text2->setFocus();
        QTest::keyClicks(w->Text2, "Mar");
        emit qApp->focusWindowChanged(nullptr);  // as the platform reports a switch away and back
        emit qApp->focusWindowChanged(w->windowHandle());
        QCOMPARE(QApplication::focusWidget(), w->Text2);
        // A menu opened and closed again is no leaving either.
        QTest::mouseClick(w->menuBar(), Qt::LeftButton, {}, w->menuBar()->actionGeometry(w->File->menuAction()).center());
        QTRY_VERIFY(w->File->isVisible());
        QTest::keyClick(w->File, Qt::Key_Escape);
        QTest::keyClick(w->menuBar(), Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), w->Text2);
        // Nor is a message box: the quick help, opened from the name box and closed.
        w->setMessageResponder(nullptr);
        bool shown = false;
        QTimer::singleShot(100, w.form.get(), [&] {
            QWidget *box = QApplication::activeModalWidget();
            shown = box && box->windowTitle() == QStringLiteral("Tesmo - Help");
            if (box)
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
        });
        QTest::keyClick(w->Text2, Qt::Key_F1);
        QVERIFY(shown);
        w->activateWindow();  // as the window manager gives the keyboard back
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(QApplication::focusWidget(), w->Text2);
        QCOMPARE(w->Text2->text(), QStringLiteral("AnonimoMar"));
        QVERIFY(!QFile::exists(w.dir.filePath("Tesmo.ini")));  // the name was not left
        // Back from another of the game's windows, the table: the guess box.
        QTest::keyClick(w->Text2, Qt::Key_F3);
        QVERIFY(w->form4());
        QTRY_COMPARE(QGuiApplication::focusWindow(), w->form4()->windowHandle());  // the keyboard went with it
        QTest::keyClick(w->form4(), Qt::Key_Escape);
        QTRY_VERIFY(!w->form4());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(QApplication::focusWidget(), w->Text1);
        // The disabled window behind the table cannot be activated: the table stays in front.
        QTest::mouseClick(w->Command3d3, Qt::LeftButton);
        QVERIFY(w->form4());
        w->activateWindow();
        QTRY_VERIFY(w->form4() && w->form4()->isActiveWindow());
        QVERIFY(!w->isEnabled());
    }

    void questionAnsweredByItsLetters()
    {
        QWidget parent;
        parent.show();
        for (const bool yes : {true, false}) {
            QObject turn;  // the timers of this turn go with it
            QStringList buttons;
            QTimer::singleShot(100, &turn, [yes, &buttons] {
                for (const QPushButton *button : QApplication::activeModalWidget()->findChildren<QPushButton *>())
                    buttons << button->text();
                QTest::keyClick(QApplication::activeModalWidget(), yes ? Qt::Key_S : Qt::Key_N);
            });
            QTimer::singleShot(2000, &turn, [yes] {  // the key did nothing: the wrong answer ends the wait
                if (QWidget *box = QApplication::activeModalWidget())
                    box->findChildren<QPushButton *>().value(yes ? 1 : 0)->click();
            });
            const auto answer = showMessageBox(&parent, "?", "Tesmo - Fine Partita", GameWindow::Buttons::YesNo);
            QCOMPARE(answer, yes ? GameWindow::Answer::Yes : GameWindow::Answer::No);
            // Italian with no translation loaded: the box does not need Qt's catalogue.
            QCOMPARE(buttons, QStringList({"&Sì", "&No"}));
        }
    }

    void endOfGameThroughTheWindow_data()
    {
        QTest::addColumn<bool>("again");
        QTest::newRow("Sì") << true;
        QTest::newRow("No") << false;
    }
    void endOfGameThroughTheWindow()
    {
        QFETCH(bool, again);
        Window w;
        w->Text2->setText("Gioia");
        w.random.fallback = 0.0;
        w.type("piano");  // found at once in manche 1
        QCOMPARE(w->Label2->text(), QString::number(Shown::pointsOfAWordFoundAtOnce()));
        QCOMPARE(w.congratulations, 1);
        w.answers = {again ? GameWindow::Answer::Yes : GameWindow::Answer::No};
        for (int manche = 1; manche <= Rules::Manches; ++manche) {
            QCOMPARE(w->Label5->text(), Shown::manche(manche));
            for (int guess = 0; guess < Rules::FewRows - 1 && !w->terminated(); ++guess)
                w.type("qqqqq");
        }
        QCOMPARE(w.boxes.size(), Rules::Manches);  // a box for each lost manche, the last one the question
        QCOMPARE(w.boxes.last(),
                 QStringLiteral("Mi spiace, la risposta è errata! Il gioco finisce qua, vuoi fare un'altra partitina?"));
        const QByteArray stored = w.file("TESMO.HIS");
        const QByteArray line = ", " + QByteArray::number(Shown::pointsOfAWordFoundAtOnce()) + " \r\n";
        QVERIFY(stored.startsWith("GIOIA" + line) || stored.startsWith("Gioia" + line));
        QCOMPARE(stored.count("\r\n"), Rules::HighScoreRanks);
        QCOMPARE(w->terminated(), !again);
        if (again) {
            QVERIFY(!w->form4());
            QVERIFY(w->isEnabled());
            QCOMPARE(w->Label5->text(), Shown::manche(1));
            QTRY_COMPARE(w->Label2->text(), QStringLiteral("0"));  // at the next tick
        } else {
            QVERIFY(!w->isVisible());
        }
    }

    void tableOnScreenWhileCiaoPlays()
    {
        Window w;
        w->List1->setCurrentRow(1);
        bool tableShown = false;
        w.sound.onPlay = [&](const QString &file) {
            if (file == "Ciao.wav")
                tableShown = w->form4() && w->form4()->isVisible() && !w->isEnabled();
        };
        QTest::mouseClick(w->Command3d1, Qt::LeftButton);
        QVERIFY(tableShown);
        QVERIFY(w->terminated());
        QVERIFY(!w->isVisible());
    }

private:
    static QColor qbColorForTest(int n)
    {
        static const QColor colours[16] = {
            {0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 128, 128}, {128, 0, 0}, {128, 0, 128},
            {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255},
            {255, 0, 0}, {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
        };
        return colours[n];
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
