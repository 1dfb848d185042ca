// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/OpenAlSoundPlayer.h"

#include "sound/AudioLibraries.h"
#include "sound/Clip.h"
#include "storage/FileNames.h"

#include <AL/alext.h>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

using Time = std::chrono::steady_clock::time_point;
using std::chrono::steady_clock;

namespace {

// The exit never waits longer than the last clip plus this.
constexpr auto ExitGrace = std::chrono::milliseconds(100);
// How long the exit waits for the sound thread to take up the last request
// (it normally has long done so) or to close the device.
constexpr auto ThreadGrace = std::chrono::milliseconds(500);
// A clip started now is mixed within one period (see data/alsoft.conf).
constexpr auto MixingPeriod = std::chrono::milliseconds(6);

std::chrono::nanoseconds seconds(double s)
{
    return std::chrono::nanoseconds(static_cast<long long>(s * 1e9));
}

void complain(const QString &line)
{
    std::fprintf(stderr, "tesmo: %s\n", qPrintable(line));
}

} // namespace

// What the game's thread and the sound thread share, under one lock. The
// sound thread co-owns it, so an exit that stops waiting for that thread
// leaves nothing dangling.
struct OpenAlSoundPlayer::Shared
{
    std::mutex lock;
    std::condition_variable changed;
    QDir dir;
    QString language;  // of the recordings, when not the game's own

    std::optional<QString> pending; // the latest name asked for, not yet taken up
    quint64 asked = 0;
    quint64 handled = 0;
    bool quit = false;
    bool finished = false;

    Time lastAskedAt;
    double lastSeconds = 0;  // length of the last clip started, 0 for none
    Time lastHeardUntil;     // when its last sample has left the speakers
};

namespace {

using Shared = OpenAlSoundPlayer::Shared;
using ClipRef = std::shared_ptr<const Clip>;

// The sound thread: everything OpenAL is touched only here.
class Voice
{
public:
    Voice(QDir dir, QString language) : m_dir(std::move(dir)), m_language(std::move(language)) {}

    // Starts the named clip, replacing the one playing; returns its length
    // and when it will have been heard whole.
    std::pair<double, Time> play(const QString &name)
    {
        if (!openDevice())
            return {0.0, steady_clock::now()};
        const ClipRef clip = clipFor(name);
        m_al->alSourceStop(m_source);
        if (!clip)
            return {0.0, steady_clock::now()};
        const ALuint buffer = bufferFor(*clip);
        if (!buffer)
            return {0.0, steady_clock::now()};
        m_al->alSourcei(m_source, AL_BUFFER, ALint(buffer));
        m_al->alSourcePlay(m_source);
        const auto heard = steady_clock::now() + seconds(clip->seconds()) + MixingPeriod + latency();
        return {clip->seconds(), heard};
    }

    void close()
    {
        if (!m_device)
            return;
        if (m_context) {
            m_al->alSourceStop(m_source);
            m_al->alDeleteSources(1, &m_source);
            for (const auto &[clip, buffer] : m_buffers)
                m_al->alDeleteBuffers(1, &buffer);
            m_buffers.clear();
            m_al->alcMakeContextCurrent(nullptr);
            m_al->alcDestroyContext(m_context);
            m_context = nullptr;
        }
        m_al->alcCloseDevice(m_device);
        m_device = nullptr;
    }

private:
    // Opens the sound device the first time it is needed, and again when the
    // sound server has gone away since.
    bool openDevice()
    {
        if (m_device && !connected())
            close();
        if (m_device)
            return true;
        if (m_deviceFailed)
            return false;
        m_al = AudioLibraries::openAl();
        if (m_al)
            m_device = m_al->alcOpenDevice(nullptr);
        if (m_device)
            m_context = m_al->alcCreateContext(m_device, nullptr);
        if (m_context && m_al->alcMakeContextCurrent(m_context)) {
            m_al->alGetError();
            m_al->alGenSources(1, &m_source);
            if (m_al->alGetError() == AL_NO_ERROR) {
                m_tellsDisconnect = m_al->alcIsExtensionPresent(m_device, "ALC_EXT_disconnect");
                if (m_al->alcIsExtensionPresent(m_device, "ALC_SOFT_device_clock"))
                    m_deviceLatency = reinterpret_cast<LPALCGETINTEGER64VSOFT>(
                        m_al->alcGetProcAddress(m_device, "alcGetInteger64vSOFT"));
                return true;
            }
        }
        if (m_al)
            complain(QStringLiteral("voices off, no sound device"));
        close();
        m_deviceFailed = true;
        return false;
    }

    bool connected() const
    {
        if (!m_tellsDisconnect)
            return true;
        ALCint value = 1;
        m_al->alcGetIntegerv(m_device, ALC_CONNECTED, 1, &value);
        return value != 0;
    }

    // How long a sample mixed now takes to reach the speakers.
    std::chrono::nanoseconds latency() const
    {
        ALCint64SOFT ns = 0;
        if (m_deviceLatency)
            m_deviceLatency(m_device, ALC_DEVICE_LATENCY_SOFT, 1, &ns);
        return std::chrono::nanoseconds(ns > 0 ? ns : 50'000'000);
    }

    // The decoded clip for a name: read from the disk the first time only.
    ClipRef clipFor(const QString &name)
    {
        const auto known = m_clips.find(name);
        if (known != m_clips.end())
            return known->second;
        const QString path = recording(name);
        ClipRef clip = QFileInfo(path).isFile() ? load(path) : alertSound();
        m_clips.emplace(name, clip);
        return clip;
    }

    // The file of a clip: the voice's recording in the interface's language
    // ("Si-1.en.wav" for "Si-1.wav") where there is one, else the clip itself.
    QString recording(const QString &name) const
    {
        if (!m_language.isEmpty() && name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)) {
            const QString own = FileNames::resolve(m_dir, name.chopped(4) + u'.' + m_language + QStringLiteral(".wav"));
            if (QFileInfo(own).isFile())
                return own;
        }
        return FileNames::resolve(m_dir, name);
    }

    static ClipRef load(const QString &path)
    {
        QFile file(path);
        std::optional<Clip> clip;
        if (file.open(QIODevice::ReadOnly))
            clip = Clip::decode(file.readAll());
        if (clip)
            return std::make_shared<const Clip>(std::move(*clip));
        if (AudioLibraries::sndFile())
            complain(QStringLiteral("cannot play %1").arg(QFileInfo(path).fileName()));
        return nullptr;
    }

    // The desktop's sound for a missing recording, looked up once.
    ClipRef alertSound()
    {
        if (m_alertLooked)
            return m_alert;
        m_alertLooked = true;
        for (const char *name : {"bell", "dialog-warning"}) {
            for (const char *ext : {".oga", ".ogg", ".wav"}) {
                const QString path = QStandardPaths::locate(
                    QStandardPaths::GenericDataLocation,
                    QStringLiteral("sounds/freedesktop/stereo/") + QLatin1String(name) + QLatin1String(ext));
                if (!path.isEmpty())
                    return m_alert = load(path);
            }
        }
        complain(QStringLiteral("no alert sound in the freedesktop sound theme"));
        return nullptr;
    }

    ALuint bufferFor(const Clip &clip)
    {
        const auto known = m_buffers.find(&clip);
        if (known != m_buffers.end())
            return known->second;
        ALuint buffer = 0;
        m_al->alGetError();
        m_al->alGenBuffers(1, &buffer);
        m_al->alBufferData(buffer, clip.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                           clip.samples.data(), ALsizei(clip.samples.size() * sizeof(short)), clip.rate);
        if (m_al->alGetError() != AL_NO_ERROR) {
            m_al->alDeleteBuffers(1, &buffer);
            buffer = 0;
        }
        m_buffers.emplace(&clip, buffer);
        return buffer;
    }

    QDir m_dir;
    QString m_language;
    std::map<QString, ClipRef> m_clips;
    ClipRef m_alert;
    bool m_alertLooked = false;

    const AudioLibraries::OpenAl *m_al = nullptr;
    ALCdevice *m_device = nullptr;
    ALCcontext *m_context = nullptr;
    ALuint m_source = 0;
    std::map<const Clip *, ALuint> m_buffers;
    LPALCGETINTEGER64VSOFT m_deviceLatency = nullptr;
    bool m_tellsDisconnect = false;  // the device can say it was unplugged
    bool m_deviceFailed = false;
};

void run(std::shared_ptr<Shared> shared)
{
    std::unique_lock lock(shared->lock);
    Voice voice(shared->dir, shared->language);
    for (;;) {
        shared->changed.wait(lock, [&] { return shared->quit || shared->pending; });
        if (shared->quit)
            break;
        const QString name = *std::exchange(shared->pending, std::nullopt);
        const quint64 request = shared->asked;
        lock.unlock();
        const auto [length, heardUntil] = voice.play(name);
        lock.lock();
        shared->handled = request;
        shared->lastSeconds = length;
        shared->lastHeardUntil = heardUntil;
        shared->changed.notify_all();
    }
    lock.unlock();
    voice.close();
    lock.lock();
    shared->finished = true;
    shared->changed.notify_all();
}

} // namespace

OpenAlSoundPlayer::OpenAlSoundPlayer(const QDir &programDir, const QString &language)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->dir = programDir;
    m_shared->language = language;
    // OpenAL reports every failed sound system it tries on stderr; the
    // player says in one line when none works.
    if (!qEnvironmentVariableIsSet("ALSOFT_LOGLEVEL"))
        qputenv("ALSOFT_LOGLEVEL", "0");
    // The short mixing periods of the game's own alsoft.conf, which lies with
    // the voices; OpenAL looks beside the executable only, and an installed
    // game keeps its data elsewhere.
    const QString conf = programDir.filePath(QStringLiteral("alsoft.conf"));
    if (!qEnvironmentVariableIsSet("ALSOFT_CONF") && QFileInfo::exists(conf))
        qputenv("ALSOFT_CONF", QFile::encodeName(conf));
    std::thread(run, m_shared).detach();
}

OpenAlSoundPlayer::~OpenAlSoundPlayer()
{
    waitForLastClip();
    std::unique_lock lock(m_shared->lock);
    m_shared->quit = true;
    m_shared->changed.notify_all();
    m_shared->changed.wait_for(lock, ThreadGrace, [&] { return m_shared->finished; });
}

void OpenAlSoundPlayer::play(const QString &fileName)
{
    std::lock_guard lock(m_shared->lock);
    m_shared->pending = fileName;
    ++m_shared->asked;
    m_shared->lastAskedAt = steady_clock::now();
    m_shared->changed.notify_all();
}

void OpenAlSoundPlayer::waitForLastClip()
{
    std::unique_lock lock(m_shared->lock);
    Shared &s = *m_shared;
    if (s.asked == 0)
        return;
    if (!s.changed.wait_until(lock, s.lastAskedAt + ThreadGrace, [&] { return s.handled == s.asked; }))
        return;
    const Time until = std::min(s.lastHeardUntil, s.lastAskedAt + seconds(s.lastSeconds) + ExitGrace);
    lock.unlock();
    std::this_thread::sleep_until(until);
}
