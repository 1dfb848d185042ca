// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/WindowFixture.h"
#include "tests/Shown.h"
#include "app/Startup.h"
#include "WordLists.h"
#include "ui/Fonts.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QBackingStore>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>

// The real main window, offscreen: its looks, its keys, and whole games.
class TestForm1 : public QObject
{
    Q_OBJECT

    static QWidget *child(Form1 &form, const QString &name)
    {
        if (name == "Form1Surface")
            return form.centralWidget();
        return form.findChild<QWidget *>(name);
    }

    // Where a label's text shows: the pixels nearer its text colour than its background.
    static QRect inkBox(const QImage &image, const QColor &text, const QColor &background)
    {
        auto distance = [](QRgb a, const QColor &b) {
            return qAbs(qRed(a) - b.red()) + qAbs(qGreen(a) - b.green()) + qAbs(qBlue(a) - b.blue());
        };
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (distance(image.pixel(x, y), text) < distance(image.pixel(x, y), background))
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

private slots:
    void initTestCase()
    {
        Fonts::install();
    }

    // The window as designed, its places, fonts and colours, is pinned by
    // its screenshot (tst_screenshot_main); here what the picture cannot
    // show: the hidden sixth row in its place, and the text boxes keeping
    // their design heights through resizing notifications.
    void layout()
    {
        Window w;
        QCOMPARE(w->Label1[29]->geometry(), QRect(240, 352, 51, 61));
        QCOMPARE(w->Label9[4]->geometry(), QRect(14, 244, 97, 19));
        const QSize before[] = {w->Text1->size(), w->Text2->size()};
        QResizeEvent resize(w->size(), w->size());
        QApplication::sendEvent(w.form.get(), &resize);
        QCOMPARE(w->Text1->size(), before[0]);
        QCOMPARE(w->Text2->size(), before[1]);
    }

    // What a fresh window holds that its screenshot does not show: the
    // tooltips, the title and the values before the first game's tick.
    void texts()
    {
        Window w;
        QCOMPARE(w->windowTitle(), QStringLiteral("TESMO 2009"));
        QCOMPARE(w->Command3d2->toolTip(), QStringLiteral("Accetta soluzione (Invio)"));
        QCOMPARE(w->Command3d3->toolTip(), QStringLiteral("Mostra tabella records"));
        QCOMPARE(w->Command3d1->toolTip(), QStringLiteral("Esce dal gioco"));
        QCOMPARE(w->Option1->toolTip(), QStringLiteral("Gioco con 5 input"));
        QCOMPARE(w->List1->toolTip(), QStringLiteral("Voce effetti sonori"));
        QCOMPARE(w->Text2->toolTip(), QStringLiteral("Per cambiare nome del giocatore corrente"));
        QCOMPARE(w->Label2->toolTip(), QStringLiteral("Punti fatti"));
        QCOMPARE(w->Label5->toolTip(), QStringLiteral("Manche (n/5)"));
        QCOMPARE(w->Label8->toolTip(), QStringLiteral("Secondi trascorsi"));
        QCOMPARE(w->Label12->toolTip(), QStringLiteral("Visita il sito dell'autore"));
        QCOMPARE(w->Text2->text(), QStringLiteral("Anonimo"));
        QCOMPARE(w->Label5->text(), Shown::manche(1));
        QCOMPARE(w->Label2->text(), QStringLiteral("0"));
        QCOMPARE(w->Label8->text(), QStringLiteral("aaaaaaaaaaa"));
        QCOMPARE(w->List1->currentRow(), -1);
        QVERIFY(w->Option1->isChecked());
        QVERIFY(w->Picture2->isHidden());
    }

    // The text boxes' context menus are Qt's own strings: Italian, in the
    // words of Qt's Italian catalogue, whether or not that is installed.
    void textBoxMenusItalianWithoutQtCatalogue()
    {
        Window w;
        const auto menus = [&] {
            QStringList texts;
            for (QLineEdit *box : {w->Text1, w->Text2}) {
                const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
                for (const QAction *action : menu->actions()) {
                    if (!action->isSeparator())
                        texts << action->text();
                }
            }
            return texts;
        };
        const auto menusWith = [&](const QString &folder) {
            Startup::installQtStrings(folder);
            const QStringList texts = menus();
            for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
                QCoreApplication::removeTranslator(t);
                delete t;
            }
            return texts;
        };
        const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        QVERIFY2(QFile::exists(catalogue + "/qtbase_it.qm"), "Qt's Italian catalogue (qt6-translations-l10n) is missing");
        const QTemporaryDir noCatalogue;
        const QStringList english = menus(), italian = menusWith(catalogue), own = menusWith(noCatalogue.path());
        QCOMPARE(own, italian);
        QCOMPARE(english.size(), own.size());
        for (int i = 0; i < own.size(); ++i)
            QVERIFY2(own[i] != english[i], qPrintable(english[i] + " is not translated"));
    }

    void labelsDrawFromTheTop_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Label9(0)") << "Label9_0";
        QTest::newRow("Label10(0)") << "Label10_0";
        QTest::newRow("revealed cell") << "";
    }
    void labelsDrawFromTheTop()
    {
        QFETCH(QString, name);
        Window w;
        w.type("ABCDE");
        QLabel *label = name.isEmpty() ? nullptr : qobject_cast<QLabel *>(child(*w, name));
        for (int i = 0; i < 5 && !label; ++i) {
            if (w->Label1[i]->text() != " ")
                label = w->Label1[i];
        }
        QVERIFY(label);
        // Centred across; the first line of text starts under the border where
        // the classic look starts it: at the font's Windows ascent, which puts
        // the capitals of Tahoma a good way below the border.
        const QImage inside = label->grab().toImage().copy(label->contentsRect());
        const QRect text = inkBox(inside, label->palette().color(QPalette::WindowText),
                                  inside.pixelColor(inside.width() - 1, inside.height() - 1));
        QVERIFY(!text.isEmpty());
        const QFontMetrics metrics = label->fontMetrics();
        const int capitalsTop = Fonts::lineTopGap(label->font()) + metrics.ascent() - metrics.capHeight();
        if (name.isEmpty())
            QVERIFY(Fonts::lineTopGap(label->font()) > 0);  // Tahoma 36 bold: well below the border
        QVERIFY2(qAbs(text.top() - capitalsTop) <= 2,
                 qPrintable(QStringLiteral("%1 against %2").arg(text.top()).arg(capitalsTop)));
        QVERIFY(qAbs(text.left() - (inside.width() - 1 - text.right())) <= 2);
    }

    void frameCaptionOnItsLine()
    {
        Window w;
        const QImage frame = w->Frame2->grab().toImage();
        const QColor surface = frame.pixelColor(frame.width() - 20, 0);
        // The frame's top line, seen at its right end, past the caption.
        int line = 0;
        while (line < frame.height() && frame.pixelColor(frame.width() - 20, line) == surface)
            ++line;
        // The caption's letters lie above and below that line.
        const int captionWidth = w->Frame2->fontMetrics().horizontalAdvance(w->Frame2->title());
        int top = -1, bottom = -1;
        for (int y = 0; y < w->Frame2->fontMetrics().height() + 2; ++y) {
            for (int x = 0; x < captionWidth + 10; ++x) {
                if (qGray(frame.pixel(x, y)) < 96) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                    break;
                }
            }
        }
        QVERIFY(top >= 0);
        QVERIFY2(top < line && line < bottom, qPrintable(QStringLiteral("%1 %2 %3").arg(top).arg(line).arg(bottom)));
    }

    void openingRow()
    {
        Window w;
        auto pixel = [](QWidget *widget) {
            return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() - 3);
        };
        // The opening row: one white cell with its letter, four dark red.
        int white = 0;
        for (int i = 0; i < 5; ++i) {
            const QColor colour = pixel(w->Label1[i]);
            if (colour == QColor(255, 255, 255)) {
                ++white;
                QCOMPARE(w->Label1[i]->text(), QString(w->game().state().Solution[i]));
            } else {
                QCOMPARE(colour, QColor(128, 0, 0));
            }
        }
        QCOMPARE(white, 1);
        QCOMPARE(pixel(w->Label1[5]), QColor(0, 0, 0));
    }

    // The four cell states, as the window paints them in the colour-blind
    // palette, stay far apart (CIE76 distance of at least 45) for normal
    // vision and for protanopia, deuteranopia and tritanopia simulated as
    // Machado, Oliveira and Fernandes (2009) do at full severity; the letter
    // on a cell reads at 4.5:1 or better; a screen reader names the colours.
    void colourBlindBoard()
    {
        Window w;
        w->setBoardColours(BoardColours::ColourBlind);
        w.type("PIZZA");  // against PIANO: right, right, elsewhere, absent, absent
        const QImage board = w->Frame1->grab().toImage();
        auto shown = [&](int cell) {
            const QLabel *label = w->Label1[cell];
            return board.pixelColor(label->geometry().center().x(), label->geometry().bottom() - 3);
        };
        const QColor states[4] = {shown(5), shown(7), shown(8), shown(10)};  // right, elsewhere, absent, unused
        QCOMPARE(states[1], QColor(230, 159, 0));
        QCOMPARE(states[2], QColor(0, 114, 178));
        static const double Machado[4][9] = {
            {1, 0, 0, 0, 1, 0, 0, 0, 1},
            {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998},
            {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},
            {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900},
        };
        auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        auto lab = [&](const QColor &colour, const double *m) {
            const double in[3] = {linear(colour.redF()), linear(colour.greenF()), linear(colour.blueF())};
            double rgb[3];
            for (int i = 0; i < 3; ++i)
                rgb[i] = std::clamp(m[3 * i] * in[0] + m[3 * i + 1] * in[1] + m[3 * i + 2] * in[2], 0.0, 1.0);
            const double xyz[3] = {(0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047,
                                   0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2],
                                   (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883};
            double f[3];
            for (int i = 0; i < 3; ++i)
                f[i] = xyz[i] > 216.0 / 24389 ? std::cbrt(xyz[i]) : xyz[i] * 841.0 / 108 + 4.0 / 29;
            return std::array<double, 3>{116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
        };
        for (const double *vision : Machado) {
            for (int a = 0; a < 4; ++a) {
                for (int b = a + 1; b < 4; ++b) {
                    const auto la = lab(states[a], vision), lb = lab(states[b], vision);
                    const double distance = std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
                    QVERIFY2(distance >= 45, qPrintable(QStringLiteral("states %1 and %2: %3 apart for vision %4")
                                                            .arg(a).arg(b).arg(distance).arg(vision - Machado[0])));
                }
            }
        }
        auto luminance = [&](const QColor &c) {
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const QColor letter = w->Label1[5]->palette().color(QPalette::WindowText);
        QVERIFY((luminance(states[0]) + 0.05) / (luminance(letter) + 0.05) >= 4.5);
        QCOMPARE(QAccessible::queryAccessibleInterface(w->Label1[7])->text(QAccessible::Name),
                 QStringLiteral("Riga 2, posizione 3: arancione, la lettera è altrove"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w->Label1[8])->text(QAccessible::Name),
                 QStringLiteral("Riga 2, posizione 4: blu, lettera assente"));
    }

    // Each announcement is heard with its cell already in the window's
    // picture and the cells after it not yet: the row appears cell by cell.
    void rowAppearsOnePauseAtATime()
    {
        Window w;
        w->List1->setCurrentRow(1);
        auto code = [](const QColor &colour) {
            return colour == Qt::white ? 'W' : colour == QColor(0, 128, 0) ? 'G' : colour == QColor(128, 0, 0) ? 'R'
                   : colour == Qt::black ? 'K' : '?';
        };
        auto row = [&](const QImage &picture) {
            QString cells;
            for (int i = 5; i < 10; ++i)
                cells += code(picture.pixelColor(w->Label1[i]->mapTo(w.form.get(), QPoint(3, 3))));
            return cells;
        };
        QStringList pauses;
        bool heard = false;
        w.sound.onPlay = [&](const QString &) { heard = true; };
        w.clock.onSleep = [&] {
            if (std::exchange(heard, false))
                pauses << row(*static_cast<QImage *>(w->backingStore()->paintDevice()));
        };
        const QString solution = w->game().state().Solution;
        w.type(solution.left(2) + solution.at(0) + "XX");  // right, right, elsewhere or not, not, not
        w.clock.onSleep = nullptr;
        const QString final = row(w->grab().toImage());
        QCOMPARE(pauses.size(), 5);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(pauses[k], final.left(k + 1) + QString(4 - k, 'K'));
        QVERIFY(!final.contains('K') && !final.contains('?'));
    }

    void typingGuesses()
    {
        Window w;
        QTest::keyClicks(w->Text1, "abcdef");
        QCOMPARE(w->Text1->text(), QStringLiteral("abcde"));  // a sixth character is refused
        QTest::keyClick(w->Text1, Qt::Key_Backspace);
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->game().state().Attempt, qint16(1));        // four characters: ignored
        QCOMPARE(w->Text1->text(), QStringLiteral("abcd"));
        QTest::keyClick(w->Text1, Qt::Key_E);
        QTest::keyClick(w->Text1, Qt::Key_Escape);
        QCOMPARE(w->Label10[0]->text(), QStringLiteral("ABCDE"));
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w->Text1);
        QTest::keyClicks(w->Text1, "xxxxx");
        QTest::mouseClick(w->Command3d2, Qt::LeftButton);
        QCOMPARE(w->Label10[1]->text(), QStringLiteral("XXXXX"));
        QTest::keyClicks(w->Text1, "yyyyy");
        QTest::keyClick(w.form.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(w->Label10[2]->text(), QStringLiteral("YYYYY"));  // the access key clicks after a flash
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("Enter on Accetta") << "Command3d2" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter on Hiscores") << "Command3d3" << int(Qt::Key_Enter);
        QTest::newRow("Enter on Fine") << "Command3d1" << int(Qt::Key_Return);
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        Window w;
        QTest::keyClicks(w->Text1, "abcde");
        auto *focused = w->findChild<QToolButton *>(button);
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(w->Label10[0]->text(), button == "Command3d2" ? QStringLiteral("ABCDE") : QString());
        QCOMPARE(w->form4() != nullptr, button == "Command3d3");
        QCOMPARE(w->terminated(), button == "Command3d1");
    }

    void nameBoxSavesOnLeaving()
    {
        Window w;
        w->Text2->setFocus();
        w->Text2->selectAll();
        QTest::keyClicks(w->Text2, "Lia");
        QVERIFY(!QFile::exists(w.dir.filePath("Tesmo.ini")));
        QTest::keyClick(w->Text2, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->Text1);
        QCOMPARE(w->Text2->text(), QStringLiteral("LIA"));
        QCOMPARE(w.file("Tesmo.ini"), QByteArray("Nome=LIA\r\nSuono=-1\r\nTentativi=5\r\n"));
        // A name longer than the box, read from the file, shows its first letters.
        TestFiles::write(w.dir, "Tesmo.ini", "Nome=MARIA GIOVANNA DELLA ROVERE\r\nSuono=0\r\nTentativi=5\r\n");
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        QCOMPARE(w->Text2->text(), QStringLiteral("MARIA GIOVANNA DELLA ROVERE"));
        QCOMPARE(w->Text2->cursorPosition(), 0);
    }

    void voiceListFocusChoosesNothing()
    {
        Window w;
        w->List1->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, QPoint(40, 52));
        QCOMPARE(w->voiceIndex(), -1);
        QVERIFY(!QFile::exists(w.dir.filePath("Tesmo.ini")));
        const QRect serilla = w->List1->visualItemRect(w->List1->item(2));
        QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, serilla.center());
        QCOMPARE(w->voiceIndex(), 2);
        QCOMPARE(QApplication::focusWidget(), w->Text1);
        // A Ctrl+click on the chosen voice leaves it chosen: the list never
        // goes back to no selection, and no save writes "Suono=-1".
        QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, Qt::ControlModifier, serilla.center());
        QCOMPARE(w->voiceIndex(), 2);
        QCOMPARE(w->List1->selectedItems().size(), 1);
        w->game().SALVAINI();
        QVERIFY(w.file("Tesmo.ini").contains("Suono=2\r\n"));
    }

    void voiceAndModeControls()
    {
        Window w;
        w->List1->setCurrentRow(2);  // as a click on "Serilla"
        QCOMPARE(w.file("Tesmo.ini"), QByteArray("Nome=ANONIMO\r\nSuono=2\r\nTentativi=5\r\n"));
        QTest::mouseClick(w->Option2, Qt::LeftButton);
        QCOMPARE(w.boxes.last(), QStringLiteral("Si inizia una nuova partita cambiando il numero di tentativi!"));
        QVERIFY(w->Label1[29]->isVisible());
        QVERIFY(w->Label9[4]->isVisible());
        QCOMPARE(w->game().state().MaxAttempts, qint16(6));
        QTest::mouseClick(w->Option1, Qt::LeftButton);
        QVERIFY(!w->Label1[29]->isVisible());
        QVERIFY(!w->Label9[4]->isVisible());
        QVERIFY(!w->Label10[4]->isVisible());
        QCOMPARE(w.boxes.size(), 2);
    }

    void dictionaryChoice()
    {
        Window w;
        const QDir dir(w.folder.path());
        TestFiles::write(dir, "tesmodat.2", TestFiles::wordList({"HOUSE"}));
        TestFiles::write(dir, "tesmodat.3", TestFiles::wordList({"LUPUS"}));
        w.type("XXXXX");
        QComboBox *combo = w->Combo1;
        // A turn of the wheel over the closed box chooses nothing.
        combo->setFocus();
        QWheelEvent wheel(QPointF(10, 10), combo->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        // Typing is neither completed nor a choice, whether the box is left or Enter pressed.
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "l");
        QCOMPARE(combo->currentText(), QStringLiteral("l"));
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "Latino");
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QTest::keyClick(combo, Qt::Key_Tab);
        QCOMPARE(combo->count(), WordLists::Count);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(w->game().state().Dictionary, qint16(1));
        QCOMPARE(w->Label10[0]->text(), QStringLiteral("XXXXX"));
        // Choosing "English" in the open list starts a fresh game with an English word.
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
        QAbstractItemView *list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(w->game().state().Solution, QStringLiteral("HOUSE"));
        QCOMPARE(w->Label10[0]->text(), QString());
        QCOMPARE(w->Label5->text(), Shown::manche(1));
        // The arrow key on the closed box goes on to the next list.
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(w->game().state().Solution, QStringLiteral("LUPUS"));
    }

    void linkPointer()
    {
        Window w;
        QMouseEvent overLink(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->Label12, &overLink);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
        QCOMPARE(QGuiApplication::overrideCursor()->hotSpot(), QPoint(14, 7));
        QApplication::sendEvent(w->Label12, &overLink);
        QMouseEvent overFrame(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->Frame1, &overFrame);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        QGuiApplication::restoreOverrideCursor();
        QVERIFY(!QGuiApplication::overrideCursor());  // never more than one entry
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
