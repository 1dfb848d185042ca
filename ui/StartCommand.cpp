// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StartCommand.h"

#include "storage/FileNames.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

StartCommand::StartCommand(const QDir &programDir)
    : m_dir(programDir)
    , m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
}

QUrl StartCommand::target(const QString &commandLine) const
{
    static const QRegularExpression command(QStringLiteral("^\\s*start\\s+(.*\\S)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = command.match(commandLine);
    if (!match.hasMatch())
        return {};
    const QString target = match.captured(1);
    static const QRegularExpression scheme(QStringLiteral("^(https?|ftp|mailto):"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (scheme.match(target).hasMatch())
        return QUrl(target);
    return QUrl::fromLocalFile(FileNames::resolve(m_dir, target));
}

GameWindow::Opened StartCommand::run(const QString &commandLine) const
{
    const QUrl url = target(commandLine);
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile())
        return GameWindow::Opened::NoFile;
    if (!url.isValid() || !m_opener || !m_opener(url))
        return GameWindow::Opened::NoApplication;
    return GameWindow::Opened::Yes;
}
