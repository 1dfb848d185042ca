// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameWindow.h"

#include <QDir>
#include <QString>
#include <QUrl>

#include <functional>

// Carries out "Start target" / "start target" the way the desktop opens
// things: web pages in the browser, "mailto:" in the mail program, local files
// with their associated application. Local names are looked up in the
// program's folder, whatever the letter case and whatever folder the program
// was started from. Returns at once, telling whether the target was handed to
// an application: a local file that is not there, or a desktop with nothing to
// open the target with, is a failure.
class StartCommand
{
public:
    using Opener = std::function<bool(const QUrl &)>;

    explicit StartCommand(const QDir &programDir);

    // The target of a command line as a URL; empty when there is no target.
    QUrl target(const QString &commandLine) const;
    GameWindow::Opened run(const QString &commandLine) const;

    // Replaces the desktop (tests record the URLs instead).
    void setOpener(Opener opener) { m_opener = std::move(opener); }

private:
    QDir m_dir;
    Opener m_opener;
};
