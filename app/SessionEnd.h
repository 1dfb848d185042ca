// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// The desktop ending the program: SIGTERM (a logout, a shutdown), SIGHUP
// (the terminal the game was started from closed) and the session
// manager's end of session. The signal handler only writes the signal's
// number into a pipe; the event loop reads it and runs `end` there, so no
// file is ever written inside a signal handler and a save under way is
// finished before the game ends.
class SessionEnd : public QObject
{
    Q_OBJECT

public:
    explicit SessionEnd(std::function<void()> end, QObject *parent = nullptr);
    ~SessionEnd() override;

private:
    void readSignals();

    std::function<void()> m_end;
    QSocketNotifier *m_notifier = nullptr;
};
