// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
constexpr int Ended[] = {SIGTERM, SIGHUP};

// All a signal handler may safely do: one write, errno kept.
void onSignal(int number)
{
    const int saved = errno;
    const char byte = char(number);
    if (signalPipe[1] >= 0)
        (void)!::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(std::function<void()> end, QObject *parent)
    : QObject(parent)
    , m_end(std::move(end))
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignals);
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        // A read or a sleep the signal breaks into goes on as if nothing happened.
        action.sa_flags = SA_RESTART;
        for (const int number : Ended)
            ::sigaction(number, &action, nullptr);
    }
    // The session manager asks the program to keep its data before the
    // session ends: the game ends now, as the signals end it.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
            if (m_end)
                m_end();
        }, Qt::DirectConnection);
    }
}

SessionEnd::~SessionEnd()
{
    // The game is over and its files are written: a signal that comes while
    // the program finishes (the last voice still heard) is let go, so the
    // program still ends as it meant to. The handler stays, writing nowhere.
    if (signalPipe[0] >= 0) {
        const int readEnd = std::exchange(signalPipe[0], -1);
        const int writeEnd = std::exchange(signalPipe[1], -1);
        ::close(readEnd);
        ::close(writeEnd);
    }
}

void SessionEnd::readSignals()
{
    char bytes[16];
    bool any = false;
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0)
        any = true;
    if (any && m_end)
        m_end();
}
