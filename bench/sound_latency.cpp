// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a voice takes to be heard: the time from play() to the first
// sound sample that comes out of a private PulseAudio daemon's silent sink,
// read back from its monitor as it is rendered. The first play opens the
// device and decodes the file and is reported on its own; the figure is the
// median of the next twenty plays. With PULSE_SERVER set, that server's
// default sink is measured instead (on a desktop: mute it first).

#include "tests/PulseServer.h"
#include "sound/Clip.h"
#include "sound/OpenAlSoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using Steady = std::chrono::steady_clock;

namespace {

constexpr int Rate = 22050;
constexpr int Chunk = Rate / 500; // 2 ms of samples per read
constexpr double Loud = 300;
constexpr int Plays = 20;

double secondsSince(Steady::time_point origin, Steady::time_point t)
{
    return std::chrono::duration<double>(t - origin).count();
}

// Reads the sink's monitor in 2 ms pieces and notes when each arrived.
class Recorder
{
public:
    bool start(const char *device)
    {
        const pa_sample_spec spec{PA_SAMPLE_S16LE, Rate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = uint32_t(-1);
        attr.fragsize = Chunk * 2;
        int error = 0;
        m_pa = pa_simple_new(nullptr, "tesmo-bench", PA_STREAM_RECORD, device, "latency", &spec, nullptr,
                             &attr, &error);
        if (!m_pa)
            return false;
        m_thread = std::thread([this] { run(); });
        return true;
    }

    void stop()
    {
        m_stop = true;
        m_thread.join();
        pa_simple_free(m_pa);
    }

    // The time of sample k on the steady clock. Data only ever arrive late,
    // so the earliest arrival relative to its samples nearby (the sink's
    // clock drifts slowly against ours) is the best guess.
    Steady::time_point timeOf(size_t k) const
    {
        double offset = 1e9;
        for (const auto &[end, at] : m_arrivals)
            if (end + Rate / 4 >= k && end <= k + Rate / 4)
                offset = std::min(offset, secondsSince(m_origin, at) - double(end) / Rate);
        return m_origin + std::chrono::duration_cast<Steady::duration>(
                              std::chrono::duration<double>(offset + double(k) / Rate));
    }

    size_t indexAt(Steady::time_point t) const
    {
        size_t k = 0;
        for (int round = 0; round < 3; ++round) {
            const double s = secondsSince(timeOf(k), t);
            k = s <= 0 ? k - std::min(k, size_t(-s * Rate)) : k + size_t(s * Rate);
        }
        return k;
    }

    bool flowing()
    {
        std::lock_guard lock(m_lock);
        return samples.size() > size_t(Rate / 10);
    }

    std::vector<short> samples;

private:
    void run()
    {
        m_origin = Steady::now();
        short chunk[Chunk];
        int error = 0;
        while (!m_stop && pa_simple_read(m_pa, chunk, sizeof chunk, &error) == 0) {
            const auto at = Steady::now();
            std::lock_guard lock(m_lock);
            samples.insert(samples.end(), chunk, chunk + Chunk);
            m_arrivals.emplace_back(samples.size(), at);
        }
    }

    pa_simple *m_pa = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_lock;
    Steady::time_point m_origin;
    std::vector<std::pair<size_t, Steady::time_point>> m_arrivals;
};

// How far ahead of playing the sink renders (and the monitor hears): its
// configured latency, in ms, while the player's stream is connected.
double renderedAhead()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sinks")});
    pactl.waitForFinished(5000);
    const QString out = QString::fromLocal8Bit(pactl.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("configured (\\d+) usec")).match(out);
    return m.hasMatch() ? m.captured(1).toDouble() / 1000 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QDir data(QStringLiteral(TESMO_DATA_DIR));
    const QString clipName = QStringLiteral("Si.wav");

    QFile file(data.filePath(clipName));
    const std::optional<Clip> clip = file.open(QIODevice::ReadOnly) ? Clip::decode(file.readAll()) : std::nullopt;
    if (!clip) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        return 1;
    }
    // The clip's own silence before its first sound is not the player's delay.
    const auto firstLoud = std::find_if(clip->samples.begin(), clip->samples.end(),
                                        [](short s) { return std::abs(s) > Loud; });
    const double lead = double(firstLoud - clip->samples.begin()) / clip->rate;

    const bool ownServer = qEnvironmentVariableIsEmpty("PULSE_SERVER");
    std::unique_ptr<PulseServer> server;
    if (ownServer) {
        server = std::make_unique<PulseServer>();
        if (!server->error().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(server->error()));
            return 1;
        }
    }
    Recorder recorder;
    if (!recorder.start(ownServer ? "nul.monitor" : "@DEFAULT_MONITOR@")) {
        std::fprintf(stderr, "cannot record the sink's monitor\n");
        return 1;
    }
    // A silent sink renders in long blocks until someone listens closely:
    // wait until the monitor's samples come in small pieces.
    while (!recorder.flowing())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    std::vector<Steady::time_point> played;
    double ahead = 0;
    {
        OpenAlSoundPlayer player(data);
        for (int i = 0; i <= Plays; ++i) {
            played.push_back(Steady::now());
            player.play(clipName);
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
        }
        ahead = renderedAhead();
    }
    recorder.stop();

    const short peak = *std::max_element(clip->samples.begin(), clip->samples.end());
    const short heardPeak = *std::max_element(recorder.samples.begin(), recorder.samples.end());
    const double threshold = Loud * heardPeak / peak;
    std::vector<double> latencies;
    for (const Steady::time_point t : played) {
        const size_t from = recorder.indexAt(t);
        const auto it = std::find_if(recorder.samples.begin() + long(from), recorder.samples.end(),
                                     [&](short s) { return std::abs(s) > threshold; });
        if (it == recorder.samples.end()) {
            std::fprintf(stderr, "a play was not heard\n");
            return 1;
        }
        const size_t k = size_t(it - recorder.samples.begin());
        latencies.push_back((secondsSince(t, recorder.timeOf(k)) - lead) * 1000);
    }

    const double first = latencies.front();
    std::vector<double> warm(latencies.begin() + 1, latencies.end());
    std::sort(warm.begin(), warm.end());
    const double median = (warm[Plays / 2 - 1] + warm[Plays / 2]) / 2;
    std::printf("play() to first sample of %s on %s:\n", qPrintable(clipName),
                ownServer ? "a private PulseAudio daemon's null sink" : "the default sink of PULSE_SERVER");
    std::printf("  first play (loads OpenAL, opens the device, decodes): %.1f ms\n", first);
    std::printf("  next %d plays: median %.1f ms (min %.1f, max %.1f)\n", Plays, median, warm.front(), warm.back());
    std::printf("  each:");
    for (size_t i = 1; i < latencies.size(); ++i)
        std::printf(" %.1f", latencies[i]);
    std::printf("\n  the sink renders up to %.1f ms ahead of playing: heard after %.1f to %.1f ms\n", ahead, median,
                median + ahead);
    return 0;
}
