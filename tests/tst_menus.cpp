// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/WindowFixture.h"
#include "tests/Shown.h"
#include "ui/Fonts.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/StartCommand.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

// Menus, links, quick help and the about window, offscreen.
class TestMenus : public QObject
{
    Q_OBJECT

    struct Recorded : Window
    {
        QList<QUrl> opened;
        int abouts = 0;
        Recorded()
        {
            form->startCommandRunner().setOpener([this](const QUrl &url) {
                opened << url;
                return true;
            });
            form->setAboutHandler([this](Form3 &) {
                ++abouts;
                sound.played << QStringLiteral("(about closed)");
            });
        }
    };

    static QStringList captions(QMenu *menu)
    {
        QStringList out;
        for (QAction *action : menu->actions()) {
            if (action->isVisible())
                out << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return out;
    }

    static void moveOver(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    static Qt::CursorShape pointer()
    {
        return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::CustomCursor;
    }

private slots:
    void initTestCase()
    {
        Fonts::install();
    }

    void cleanup()
    {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    void menuTree()
    {
        Window w;
        QStringList names;
        QStringList shortcuts;
        for (QMenu *menu : {w->File, w->Help}) {
            for (QAction *action : menu->actions()) {
                names << action->objectName();
                shortcuts << action->shortcut().toString();
            }
        }
        QCOMPARE(names, (QStringList{"Nuova", "Records", "Meno", "Esci", "Aiuto", "MenuAiuto1", "Meno1", "MenuMail",
                                     "menuPHP", "VLP", "mm", "menuVLPONLine", "Meno3", "About"}));
        QCOMPARE(shortcuts, (QStringList{"F2", "F3", "", "Ctrl+F4", "F1", "", "", "", "", "F6", "", "", "", "F4"}));
        QCOMPARE(w->menuBar()->actions(), (QList<QAction *>{w->File->menuAction(), w->Help->menuAction()}));
        QCOMPARE(w->File->title(), QStringLiteral("&File"));
        QCOMPARE(w->Help->title(), QStringLiteral("&?"));
        QCOMPARE(captions(w->File), (QStringList{"&Nuova Partita", "&Hiscores", "-", "&Esci"}));
        QCOMPARE(captions(w->Help), (QStringList{"&Aiuto veloce", "A&iuto", "-", "&Scrivi E-Mail all'autore ...",
                                                 "&Visita Home Page ...", "-", "Acquista VLP On-line ...",
                                                 "A&bout"}));
        QCOMPARE(w->VLP->text(), QStringLiteral("&Vosti Letter Pack ..."));
    }

    void quickHelp()
    {
        Window w;
        QTest::keyClick(w.form.get(), Qt::Key_F1);
        QCOMPARE(w.boxes.size(), 1);
        QCOMPARE(w.boxes[0], TesmoGame::QuickHelp);
        QCOMPARE(TesmoGame::QuickHelp.size(), 887);  // one paragraph, whole
        QVERIFY(!TesmoGame::QuickHelp.contains(u'\n'));
        QVERIFY(TesmoGame::QuickHelp.startsWith("Tesmo è un videogioco ispirato alla omonima trasmissione"));
        QVERIFY(TesmoGame::QuickHelp.endsWith("dopo la quinta manche il gioco termina."));
    }

    void startTargets_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("url");
        QTest::newRow("lower-case start") << "start vlp.htm" << "file:DIR/vlp.htm";
        QTest::newRow("name in another case") << "start TESMO.HTM" << "file:DIR/tesmo.htm";
        QTest::newRow("missing page") << "Start manca.htm" << "file:DIR/manca.htm";
        QTest::newRow("no target") << "Start" << "";
    }
    void startTargets()
    {
        QFETCH(QString, command);
        QFETCH(QString, url);
        QTemporaryDir folder;
        TestFiles::write(QDir(folder.path()), "tesmo.htm", "<html></html>");
        StartCommand start(QDir(folder.path()));
        const QString expected = url.startsWith("file:")
            ? QUrl::fromLocalFile(QDir(folder.path()).filePath(url.mid(9))).toString()
            : url;
        QCOMPARE(start.target(command).toString(), expected);
    }

    void menuLinks()
    {
        Recorded w;
        const QDir dir(w.folder.path());
        TestFiles::write(dir, "tesmo.htm", "<html></html>");
        TestFiles::write(dir, "vlp.htm", "<html></html>");
        // The program was started elsewhere: pages are still looked up beside it.
        const QString before = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        w->MenuAiuto1->trigger();
        QDir::setCurrent(before);
        w->MenuMail->trigger();
        w->menuPHP->trigger();
        w->menuVLPONLine->trigger();
        w->VLP->trigger();
        QTest::mouseClick(w->Label12, Qt::LeftButton);
        QCOMPARE(w.opened, (QList<QUrl>{QUrl::fromLocalFile(dir.filePath("tesmo.htm")),
                                        QUrl("mailto:autore@tesmo.example"), QUrl("https://tesmo.example/"),
                                        QUrl("https://tesmo.example/acquistavlp.asp"),
                                        QUrl::fromLocalFile(dir.filePath("vlp.htm")),
                                        QUrl("https://tesmo.example/")}));
        QCOMPARE(w->Label12->text(), QStringLiteral("tesmo.example"));
        // The hidden entry's key does nothing.
        QTest::keyClick(w.form.get(), Qt::Key_F6);
        QCOMPARE(w.opened.size(), 6);
        // The game went on untouched.
        QCOMPARE(w->Label5->text(), Shown::manche(1));
    }

    void targetsThatCannotBeOpenedAreTold()
    {
        Window w;
        // No browser, no opener on the PATH: each failure is told, and the game goes on.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "");
        w->MenuAiuto1->trigger();  // no tesmo.htm beside the program
        TestFiles::write(w.dir, "tesmo.htm", "<html></html>");
        w->MenuAiuto1->trigger();
        w->menuPHP->trigger();
        w->setAboutHandler([](Form3 &about) { about.Label1_Click(4); });
        w->About->trigger();
        qputenv("PATH", path);
        QCOMPARE(w.boxes, (QStringList{"Non si può aprire \"tesmo.htm\": il file non c'è.",
                                       "Non si può aprire \"tesmo.htm\": manca un programma che lo apra.",
                                       "Non si può aprire \"https://tesmo.example/\": manca un programma che lo apra.",
                                       "Non si può aprire \"mailto:autore@tesmo.example\": manca un programma che lo apra."}));
        QVERIFY(!w->terminated());
        QCOMPARE(w->Label5->text(), Shown::manche(1));
    }

    void shortcutKeys_data()
    {
        QTest::addColumn<QString>("open");  // the menu open when the key is pressed
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");
        for (const QString &open : {QString(), QStringLiteral("File"), QStringLiteral("?")}) {
            const QString where = open.isEmpty() ? QStringLiteral(", no menu open") : QStringLiteral(", ") + open + " open";
            QTest::newRow(qPrintable("F1" + where)) << open << int(Qt::Key_F1) << "quick help";
            QTest::newRow(qPrintable("F2" + where)) << open << int(Qt::Key_F2) << "new game";
            QTest::newRow(qPrintable("F3" + where)) << open << int(Qt::Key_F3) << "table";
            QTest::newRow(qPrintable("F4" + where)) << open << int(Qt::Key_F4) << "about";
            QTest::newRow(qPrintable("Ctrl+F4" + where)) << open << (Qt::CTRL | Qt::Key_F4).toCombined() << "end";
            // Ctrl+Q too, for desktops that keep Ctrl+F4 for themselves.
            QTest::newRow(qPrintable("Ctrl+Q" + where)) << open << (Qt::CTRL | Qt::Key_Q).toCombined() << "end";
        }
    }
    void shortcutKeys()
    {
        QFETCH(QString, open);
        QFETCH(int, key);
        QFETCH(QString, effect);
        Recorded w;
        w.type("XXXXX");
        w->Text2->setText(QStringLiteral("Lia"));  // typed, not yet saved
        QWidget *target = w.form.get();
        if (!open.isEmpty()) {
            QMenu *menu = open == "File" ? w->File : w->Help;
            QTest::mouseClick(w->menuBar(), Qt::LeftButton, {},
                              w->menuBar()->actionGeometry(menu->menuAction()).center());
            QTRY_VERIFY(menu->isVisible());
            target = QApplication::activePopupWidget();
            QCOMPARE(target, menu);
        }
        const QKeyCombination pressed = QKeyCombination::fromCombined(key);
        QTest::keyClick(target, pressed.key(), pressed.keyboardModifiers());
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(w.boxes.size(), effect == "quick help" ? 1 : 0);
        QCOMPARE(w->Label10[0]->text(), effect == "new game" ? QString() : QStringLiteral("XXXXX"));
        QCOMPARE(w->form4() != nullptr, effect == "table");
        QCOMPARE(w.abouts, effect == "about" ? 1 : 0);
        QCOMPARE(w->terminated(), effect == "end");
        if (effect == "end")
            QVERIFY(w.file("Tesmo.ini").startsWith("Nome=LIA\r\n"));
    }

    void pagesOfAnInstalledGame()
    {
        // Installed: the game works in the player's folder, its pages stay where they were installed.
        QTemporaryDir own, installed;
        TestFiles::write(QDir(own.path()), "tesmo.htm", "<html>old copy</html>");
        TestFiles::write(QDir(installed.path()), "tesmo.htm", "<html></html>");
        FakeClock clock;
        FakeRandom random;
        FakeSound sound;
        Form1 form(Form1::Services{&clock, &random, &sound, QDir(own.path()), installed.path()});
        QList<QUrl> opened;
        form.startCommandRunner().setOpener([&](const QUrl &url) {
            opened << url;
            return true;
        });
        form.MenuAiuto1->trigger();
        QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile(QDir(installed.path()).filePath("tesmo.htm"))}));
    }

    void aboutThenVoice()
    {
        Recorded w;
        w->List1->setCurrentRow(1);
        QTest::keyClick(w.form.get(), Qt::Key_F4);
        QCOMPARE(w.abouts, 1);
        QCOMPARE(w.sound.played, (QStringList{"(about closed)", "Tesmo.wav"}));
        w->List1->setCurrentRow(0);
        w->About->trigger();
        QCOMPARE(w.sound.played.size(), 3);  // "Nessuno": no voice after the window
    }

    void aboutWindow()
    {
        Window w;
        QList<QString> started;
        QList<bool> pointers;
        Form3 about(w.form.get(), [&](const QString &line) { started << line; },
                    [&](bool hand) { pointers << hand; });
        QCOMPARE(about.windowTitle(), QStringLiteral("Tesmo"));
        QCOMPARE(about.Command3d1->text(), QStringLiteral("&OK"));
        QCOMPARE(about.Command3d1->toolTip(), QStringLiteral("Torna al gioco"));
        QCOMPARE(about.Label2->pos(), QPoint(70, 10));  // grows to the right to hold its text
        QCOMPARE(about.Label2->width(), about.Label2->sizeHint().width());
        // Each link fits on its line.
        for (int link : {1, 4, 5})
            QVERIFY(QFontMetrics(about.Label1[link]->font()).horizontalAdvance(about.Label1[link]->text())
                    <= about.Label1[link]->width());
        QCOMPARE(about.Label1[3]->height(), 42);  // never smaller than designed
        QVERIFY(about.Label1[0]->height() >= about.Label1[0]->heightForWidth(about.Label1[0]->width()));
        QVERIFY(about.Label1[1]->font().underline() && about.Label1[1]->font().bold());
        about.ensurePolished();
        QCOMPARE(about.Label1[5]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(about.Label1[2]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(about.Label1[0]->palette().color(QPalette::WindowText), QColor(0, 0, 128));

        // Links.
        for (int i = 0; i < 6; ++i)
            QTest::mouseClick(about.Label1[i], Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(started, (QList<QString>{"Start https://tesmo.example/", "start mailto:autore@tesmo.example",
                                          "start https://tesmo.example/acquistavlp.asp"}));

        // Pointer: hand over the links, arrow over the rest of the text and the
        // surface; nothing over the frame of the credits, its picture or the button.
        for (int i = 0; i < 6; ++i)
            moveOver(about.Label1[i]);
        QCOMPARE(pointers, (QList<bool>{false, true, false, false, true, true}));
        for (QWidget *arrow : {static_cast<QWidget *>(about.Frame2), static_cast<QWidget *>(&about)}) {
            pointers.clear();
            moveOver(arrow);
            QVERIFY(!pointers.isEmpty() && !pointers.contains(true));
        }
        pointers.clear();
        for (QWidget *silent : {static_cast<QWidget *>(about.Frame1), static_cast<QWidget *>(about.Picture1),
                                static_cast<QWidget *>(about.Label2), static_cast<QWidget *>(about.Command3d1)})
            moveOver(silent);
        QVERIFY(pointers.isEmpty());
    }

    void aboutPointerThroughTheMainWindow()
    {
        Window w;
        w->setAboutHandler([](Form3 &about) {
            moveOver(about.Label1[4]);
            QCOMPARE(pointer(), Qt::BitmapCursor);
            QCOMPARE(QGuiApplication::overrideCursor()->hotSpot(), QPoint(14, 7));
            moveOver(about.Label1[2]);
            QCOMPARE(pointer(), Qt::ArrowCursor);
            QTest::mouseClick(about.Command3d1, Qt::LeftButton);
            QVERIFY(!about.isVisible());
        });
        w->About->trigger();
        QVERIFY(w->isEnabled());
        QCOMPARE(w->Label5->text(), Shown::manche(1));
    }

    void aboutModalUntilOk()
    {
        Window w;
        bool seen = false;
        QTimer::singleShot(200, w.form.get(), [&] {
            auto *about = w->findChild<Form3 *>();
            if (!about || !about->isVisible())
                return;
            seen = true;
            QTest::keyClick(about->focusWidget(), Qt::Key_Return);  // OK is the default button
        });
        w->setAboutHandler(nullptr);
        w->About->trigger();
        QVERIFY(seen);
        QVERIFY(w->isEnabled());
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
