// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/FakeServices.h"
#include "tests/ScriptedAnswers.h"
#include "tests/TestFiles.h"
#include "ui/Form1.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The real main window on a fake clock, in a temporary program folder; its
// message boxes answered from a list, its congratulations counted.
struct Window
{
    QTemporaryDir folder;
    const QDir dir{folder.path()};
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    std::unique_ptr<Form1> form;
    QList<QString> boxes;
    QList<GameWindow::Answer> answers;
    int congratulations = 0;

    Window()
    {
        TestFiles::write(dir, "tesmodat.1",
                         TestFiles::wordList({"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS", "MONTE", "TERRA"}));
        form = std::make_unique<Form1>(Form1::Services{&clock, &random, &sound, dir});
        form->setMessageResponder([this](const QString &text, const QString &, GameWindow::Buttons buttons) {
            boxes << text;
            return scriptedAnswer(answers, buttons);
        });
        form->setQuit([] {});
        form->setCongratulationsHandler([this](Form2 &) { ++congratulations; });
        form->load();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    Form1 &operator*() { return *form; }
    Form1 *operator->() { return form.get(); }

    QByteArray file(const QString &name) const { return TestFiles::read(dir, name); }

    void type(const QString &word)
    {
        QTest::keyClicks(form->Text1, word);
        QTest::keyClick(form->Text1, Qt::Key_Return);
    }
};
