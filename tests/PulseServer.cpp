// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/PulseServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

PulseServer::PulseServer()
{
    m_previousServer = qgetenv("PULSE_SERVER");
    const QString socket = m_dir.filePath(QStringLiteral("pulse/native"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.remove(QStringLiteral("PULSE_SERVER"));
    m_daemon.setProcessEnvironment(env);
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    // Root is allowed: the daemon only warns, and a private runtime folder
    // keeps it apart from any desktop server.
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"),
                    QStringLiteral("--load=module-null-sink sink_name=nul"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    if (!m_daemon.waitForStarted(5000)) {
        m_error = QStringLiteral("cannot start pulseaudio: ") + m_daemon.errorString();
        return;
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());

    // Ready once a client gets an answer.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (m_daemon.state() != QProcess::Running)
            break;
        QProcess info;
        info.setProcessEnvironment(environment());
        info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (info.waitForFinished(3000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0)
            return;
        QThread::msleep(100);
    }
    m_error = QStringLiteral("pulseaudio did not come up: ") + QString::fromLocal8Bit(m_daemon.readAll());
}

PulseServer::~PulseServer()
{
    if (m_recorder.state() != QProcess::NotRunning)
        stopRecording();
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(3000);
        }
    }
    if (m_previousServer.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", m_previousServer);
}

QProcessEnvironment PulseServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("pulse/native")));
    return env;
}

void PulseServer::startRecording(const QString &path, int rate)
{
    m_recording = path;
    m_recorder.setProcessEnvironment(environment());
    m_recorder.setStandardOutputFile(path);
    m_recorder.start(QStringLiteral("parec"),
                     {QStringLiteral("--device=nul.monitor"), QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                      QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(rate),
                      QStringLiteral("--latency-msec=100")});
    m_recorder.waitForStarted(5000);
    // The monitor delivers silence from the start: once some has arrived the
    // recording is under way.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && QFile(path).size() < rate / 10 && m_recorder.state() == QProcess::Running)
        QThread::msleep(20);
}

QByteArray PulseServer::stopRecording()
{
    m_recorder.terminate();
    if (!m_recorder.waitForFinished(3000)) {
        m_recorder.kill();
        m_recorder.waitForFinished(3000);
    }
    QFile file(m_recording);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
