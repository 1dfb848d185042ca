// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private PulseAudio daemon with one silent sink, "nul", whose monitor can
// be recorded. While it runs, PULSE_SERVER points this process (and the
// programs it starts) at it; the daemon is ended when the object goes.
class PulseServer
{
public:
    PulseServer();
    ~PulseServer();

    // Empty when the daemon is up; else what went wrong.
    QString error() const { return m_error; }
    QProcessEnvironment environment() const;

    // Records the sink's monitor, 16-bit mono at the given rate, into path.
    void startRecording(const QString &path, int rate);
    // Stops recording and returns the samples.
    QByteArray stopRecording();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_recorder;
    QString m_recording;
    QByteArray m_previousServer;
    QString m_error;
};
