// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the player's language: the language the desktop asks for, every
// text of every window within its control in each language shipped, and a
// whole game under a pseudo-translation in which no text a player meets comes
// out without the catalogue.

#include "app/Language.h"
#include "engine/Links.h"
#include "engine/Rules.h"
#include "tests/FakeServices.h"
#include "tests/ScriptedAnswers.h"
#include "tests/TestFiles.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/MessageBox.h"
#include "WordLists.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// The main window in a folder of its own, with every shipped word list, under
// the catalogue installed at the time it is made.
struct Game
{
    QTemporaryDir folder;
    const QDir dir{folder.path()};
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    std::unique_ptr<Form1> form;
    QStringList boxes;  // titles and texts of the message boxes, in turn
    QList<GameWindow::Answer> answers;

    Game()
    {
        for (const WordLists::List &list : WordLists::All)
            TestFiles::write(dir, QStringLiteral("tesmodat.%1").arg(list.number),
                             TestFiles::wordList({"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS", "MONTE", "TERRA"}));
        form = std::make_unique<Form1>(Form1::Services{&clock, &random, &sound, dir});
        form->setMessageResponder([this](const QString &text, const QString &title, GameWindow::Buttons buttons) {
            boxes << title << text;
            return scriptedAnswer(answers, buttons);
        });
        form->setQuit([] {});
        form->load();
        form->show();
    }
    void type(const QString &word)
    {
        form->Text1->setText(word);
        form->game().Command3d2_Click();
    }
};

// Every text a control shows, hints or says to a screen reader.
QStringList textsOf(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            texts << label->text();
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label))
                texts << iface->text(QAccessible::Name);
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            texts << button->text();
        } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            texts << frame->title();
        } else if (auto *list = qobject_cast<QListWidget *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        }
        for (QAction *action : w->actions())
            texts << action->text() << action->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Fonts::install();
        QVERIFY(m_pseudo.load(QStringLiteral(TESMO_PSEUDO_CATALOGUE)));
    }

    void languageFollowsTheDesktop_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("language");
        QTest::newRow("C locale") << QStringList{"C"} << "it";
        QTest::newRow("nothing") << QStringList{} << "it";
        QTest::newRow("Italian, then English") << QStringList{"it-IT", "en-US"} << "it";
        QTest::newRow("English, then Italian") << QStringList{"en-US", "it"} << "en";
        QTest::newRow("British") << QStringList{"en-GB"} << "en";
        QTest::newRow("locale name") << QStringList{"en_US.UTF-8"} << "en";
        QTest::newRow("unshipped, then English") << QStringList{"de-DE", "de", "en-GB", "it"} << "en";
        QTest::newRow("unshipped only") << QStringList{"fr-FR", "fr"} << "it";
    }
    void languageFollowsTheDesktop()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, language);
        QCOMPARE(Language::choose(desktop), language);
    }

    // In every shipped language, a fresh game starts on the word list of
    // that language, its help page is there, every text fits its control in
    // the designed layout, and no two controls of a window or entries of a
    // menu share an accelerator.
    void textsFitTheirControls_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("firstList");
        QTest::newRow("it") << "it" << "Italiano";
        QTest::newRow("en") << "en" << "English";
        const QStringList catalogues = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tesmo_*.qm")});
        QCOMPARE(catalogues, QStringList{"tesmo_en.qm"});  // a new catalogue is a new row above
    }
    void textsFitTheirControls()
    {
        QFETCH(QString, language);
        QFETCH(QString, firstList);
        QTranslator catalogue;
        QCOMPARE(Language::load(&catalogue, language), language != QLatin1String(Language::Own));
        QCoreApplication::installTranslator(&catalogue);
        QStringList clipped;
        {
            Game game;
            QCOMPARE(game.form->Combo1->currentText(), firstList);
            // The help page in the same language is shipped.
            const QString page = QCoreApplication::translate("TesmoGame", "tesmo.htm");
            QVERIFY2(QFileInfo::exists(QStringLiteral(TESMO_DATA_DIR "/") + page), qPrintable(page));
            game.form->game().AGGIORNATEMPO();
            game.form->game().Command3d3_Click();
            QVERIFY(game.form->form4());
            Form2 *congratulations = game.form->form2();
            congratulations->prepare();
            Form3 about(game.form.get(), [](const QString &) {}, [](bool) {});
            for (QWidget *window : QList<QWidget *>{game.form.get(), game.form->form4(), congratulations, &about})
                clipped += clippedTexts(window) + repeatedAccelerators(window);
        }
        QCoreApplication::removeTranslator(&catalogue);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    // A whole game under the pseudo-translation, every window opened, every
    // kind of box asked: a text without ⟦ ⟧ around it never went through the
    // catalogue, unless it is the game's data (words, names, numbers, links).
    void wholeGameUnderPseudoTranslation()
    {
        QCoreApplication::installTranslator(&m_pseudo);
        QStringList seen;
        {
            Game game;
            Form1 &form = *game.form;
            auto look = [&] {
                for (QWidget *window : QApplication::topLevelWidgets()) {
                    if (window->isVisible())
                        seen += textsOf(window);
                }
            };
            form.setCongratulationsHandler([&](Form2 &window) { seen += textsOf(&window); });
            form.setAboutHandler([&](Form3 &window) { seen += textsOf(&window); });
            look();
            form.game().Aiuto_Click();
            form.game().About_Click();
            form.game().openTarget(QStringLiteral("Start nonexistent.htm"));
            game.random.fallback = 0.0;
            game.type(QStringLiteral("piano"));  // found: the congratulations
            form.game().AGGIORNATEMPO();
            look();
            form.Option2->click();  // a fresh game with six rows, after a box
            look();
            for (int round = 1; round <= Rules::Manches && !form.terminated(); ++round) {
                for (int guess = 0; guess < Rules::ManyRows - 1 && !form.terminated(); ++guess) {
                    game.type(QStringLiteral("qqqqq"));
                    look();
                }
            }
            QVERIFY(game.boxes.size() >= 2 * (Rules::Manches + 4));  // the question of a game's end among them
            form.game().Command3d3_Click();
            QVERIFY(form.form4());
            look();
            // A real box: its buttons come from the catalogue too.
            QTimer::singleShot(0, &form, [&] {
                QWidget *box = QApplication::activeModalWidget();
                seen += textsOf(box);
                box->findChildren<QPushButton *>().value(1)->click();
            });
            QCOMPARE(showMessageBox(&form, QStringLiteral("x"), QStringLiteral("y"), GameWindow::Buttons::YesNo),
                     GameWindow::Answer::No);
            seen += game.boxes;
        }
        QCoreApplication::removeTranslator(&m_pseudo);
        seen.removeAll(QStringLiteral("x"));
        seen.removeAll(QStringLiteral("y"));

        // The game's data: what remains once every translated part is taken out.
        const QStringList data{Links::SiteName, Links::HomePage, Links::ShopPage, Links::MailAddress, Form3::Credit,
                               Form3::PostalContact, QStringLiteral("Tobio"), QStringLiteral("Serilla"),
                               QStringLiteral("aaaaaaaaaaa")};  // the seconds' box until the clock's first tick
        static const QRegularExpression translated(QStringLiteral("⟦[^⟦⟧]*⟧"));
        static const QRegularExpression bare(QStringLiteral("^[\\s\\d\\p{P}\\p{S}]*$|^[A-Z]{1,13}$"));
        QStringList untranslated;
        for (const QString &text : std::as_const(seen)) {
            QString rest = text;
            while (rest.contains(translated))
                rest.remove(translated);
            rest = rest.trimmed();
            bool isData = rest.contains(bare) || data.contains(rest);
            for (const WordLists::List &list : WordLists::All)
                isData = isData || rest == QString::fromUtf8(list.name);
            if (!isData && !untranslated.contains(text))
                untranslated << text;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
        QVERIFY(seen.size() > 500);
    }

private:
    QTranslator m_pseudo;

    // The accelerators used twice in a window (its menu bar and controls) or
    // in one of its menus; hidden entries are left out.
    static QStringList repeatedAccelerators(QWidget *window)
    {
        QList<QStringList> groups{{}};
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->window() == window)
                groups[0] << button->text();
        }
        if (auto *main = qobject_cast<QMainWindow *>(window)) {
            for (QAction *title : main->menuBar()->actions()) {
                groups[0] << title->text();
                QStringList entries;
                for (QAction *entry : title->menu()->actions())
                    entries << (entry->isVisible() ? entry->text() : QString());
                groups << entries;
            }
        }
        QStringList repeated;
        for (const QStringList &group : std::as_const(groups)) {
            QHash<QChar, QString> taken;
            for (const QString &text : group) {
                const qsizetype at = QString(text).replace(QStringLiteral("&&"), QStringLiteral("__")).indexOf(u'&');
                if (at < 0 || at + 1 >= text.size())
                    continue;
                const QChar key = text.at(at + 1).toLower();
                if (taken.contains(key))
                    repeated << QStringLiteral("%1: \"%2\" and \"%3\" both take Alt+%4")
                                    .arg(window->objectName(), taken[key], text, key);
                taken.insert(key, text);
            }
        }
        return repeated;
    }

    // The controls of a window whose text is wider than they are.
    static QStringList clippedTexts(QWidget *window)
    {
        QStringList clipped;
        auto check = [&](QWidget *w, const QString &text, int need, int room) {
            if (need > room)
                clipped << QStringLiteral("%1/%2 \"%3\": %4 px in %5 px")
                               .arg(window->objectName(), w->objectName(), text)
                               .arg(need)
                               .arg(room);
        };
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->isHidden())
                continue;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                if (label->text().isEmpty())
                    continue;
                const QRect room = label->contentsRect();
                if (label->wordWrap())
                    check(w, label->text(), label->heightForWidth(label->width()), label->height());
                else
                    check(w, label->text(), label->fontMetrics().horizontalAdvance(label->text()), room.width());
            } else if (auto *option = qobject_cast<QRadioButton *>(w)) {
                QStyle *style = option->style();
                check(w, option->text(),
                      style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
                          + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option)
                          + option->fontMetrics().horizontalAdvance(option->text()),
                      option->width());
            } else if (qobject_cast<QToolButton *>(w)) {
                check(w, static_cast<QAbstractButton *>(w)->text(), w->sizeHint().width(), w->width());
            } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
                check(w, frame->title(), frame->fontMetrics().horizontalAdvance(frame->title()) + 16, frame->width());
            } else if (auto *list = qobject_cast<QListWidget *>(w)) {
                for (int i = 0; i < list->count(); ++i)
                    check(w, list->item(i)->text(), list->fontMetrics().horizontalAdvance(list->item(i)->text()),
                          list->viewport()->width() - 4);
            }
        }
        return clipped;
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
