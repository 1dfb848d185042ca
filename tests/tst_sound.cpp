// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/PulseServer.h"
#include "engine/Rules.h"
#include "tests/TestFiles.h"
#include "sound/Clip.h"
#include "sound/OpenAlSoundPlayer.h"

#include <QStandardPaths>
#include <QtEndian>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The recording's rate: that of the voices.
constexpr int Rate = 22050;
// A sample louder than this (in the files) is sound, quieter is silence.
constexpr double Loud = 300;
// Pauses within one sound shorter than this do not split it.
constexpr int Gap = Rate * 40 / 1000;
// How closely a sound heard must match its clip's length, in seconds.
constexpr double Tolerance = 0.030;
// A sound server starved of the processor stops a clip for a moment, then
// plays the rest of it: a sound still short of its clip that goes on within
// this is the same clip. Shorter than the silence between two announcements
// (0.2 s at least), so two clips are never taken for one.
constexpr int Stall = Rate * 150 / 1000;
// Envelope window, in samples: 5 ms.
constexpr int Window = Rate / 200;

using Samples = std::vector<short>;

Samples fromBytes(const QByteArray &raw)
{
    Samples out(size_t(raw.size()) / 2);
    std::memcpy(out.data(), raw.constData(), out.size() * 2);
    return out;
}

// The samples of a 16-bit mono PCM wave file, read without the player's code.
Samples waveSamples(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (bytes.mid(at, 4) == "data")
            return fromBytes(bytes.mid(at + 8, size));
        at += 8 + size + (size & 1);
    }
    return {};
}

struct Burst
{
    qsizetype first;
    qsizetype last;
    double seconds(int rate = Rate) const { return double(last - first) / rate; }
};

// Runs of sound louder than threshold, pauses shorter than Gap bridged.
QList<Burst> bursts(const Samples &s, double threshold, int gap = Gap)
{
    QList<Burst> out;
    for (qsizetype i = 0; i < qsizetype(s.size()); ++i) {
        if (std::abs(s[size_t(i)]) <= threshold)
            continue;
        if (!out.isEmpty() && i - out.last().last <= gap)
            out.last().last = i;
        else
            out.append({i, i});
    }
    return out;
}

// The bursts of a recording taken clip by clip, given each clip's length in
// seconds: a burst that begins within Stall of a clip still short of its
// length is the rest of it, and the clip is heard from the first burst's
// start to the last one's end (the server keeps time through a stall: what it
// could not play then is silence, and the clip ends when it would have).
// What is left over is one sound per burst. `parts` counts the bursts of each.
QList<Burst> clipsHeard(const QList<Burst> &heard, const QList<double> &lengths, QList<int> &parts)
{
    QList<Burst> out;
    parts.clear();
    for (qsizetype next = 0, clip = 0; next < heard.size(); ++clip) {
        Burst b = heard[next++];
        int count = 1;
        for (; clip < lengths.size() && next < heard.size() && b.seconds() < lengths[clip] - Tolerance
               && heard[next].first - b.last <= Stall;
             ++count)
            b.last = heard[next++].last;
        out.append(b);
        parts.append(count);
    }
    return out;
}

// Loudness in 5 ms windows from sample `from` on.
std::vector<double> envelope(const Samples &s, qsizetype from, int windows)
{
    std::vector<double> out;
    for (int w = 0; w < windows; ++w) {
        double sum = 0;
        for (qsizetype i = from + w * Window; i < from + (w + 1) * Window; ++i)
            sum += i < qsizetype(s.size()) ? double(s[size_t(i)]) * s[size_t(i)] : 0.0;
        out.push_back(std::sqrt(sum / Window));
    }
    return out;
}

// How loud a sound is in each of a few frequency bands, on a logarithmic
// scale, summed over the sound: what tells the words, the two voices and the
// bell apart, whatever a busy machine does to the timing of the recording.
std::vector<double> spectrum(const Samples &s, qsizetype first, qsizetype last)
{
    constexpr int Frame = 512;   // 23 ms at the voices' rate
    constexpr int Bands = 24;    // from 90 Hz to the top of the voices' range, a third of an octave each
    static const std::vector<std::pair<double, double>> turns = [] {
        std::vector<std::pair<double, double>> t(Frame);
        for (int i = 0; i < Frame; ++i)
            t[size_t(i)] = {std::cos(2 * M_PI * i / Frame), std::sin(2 * M_PI * i / Frame)};
        return t;
    }();
    std::vector<double> bands(Bands, 0.0);
    for (qsizetype at = first; at + Frame <= qsizetype(s.size()) && at <= last; at += Frame / 2) {
        for (int bin = 2; bin < Frame / 2; ++bin) {
            double re = 0, im = 0;
            for (int i = 0; i < Frame; ++i) {
                const double v = s[size_t(at + i)];
                const auto &[c, sn] = turns[size_t((qint64(bin) * i) % Frame)];
                re += v * c;
                im -= v * sn;
            }
            const double hertz = double(bin) * Rate / Frame;
            const int band = std::clamp(int(std::log2(hertz / 90.0) * 3), 0, Bands - 1);
            bands[size_t(band)] += re * re + im * im;
        }
    }
    for (double &b : bands)
        b = std::log10(1 + b);
    return bands;
}

// Cosine likeness of two envelopes or spectra.
double likeness(const std::vector<double> &a, const std::vector<double> &b)
{
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// A clip as it should be heard.
struct Reference
{
    QString name;
    Samples samples;
    Burst sound; // where it is louder than Loud
    std::vector<double> spectrum = {};
};

} // namespace

// The real player on a real sound server: what is heard, recorded from the
// server's output.
class TestSound : public QObject
{
    Q_OBJECT

    std::unique_ptr<PulseServer> m_server;
    QList<Reference> m_references;

    const Reference &reference(const QString &name) const
    {
        for (const Reference &r : m_references)
            if (r.name == name)
                return r;
        qFatal("no reference clip %s", qPrintable(name));
    }

    // The reference whose spectrum, and then loudness over time, is most
    // like the burst's.
    QString recognise(const Samples &recording, const Burst &burst) const
    {
        QString best;
        double bestLikeness = -1;
        const std::vector<double> heard = spectrum(recording, burst.first, burst.last);
        for (const Reference &r : m_references) {
            const int windows = int((r.sound.last - r.sound.first) / Window) + 1;
            const double l = likeness(heard, r.spectrum)
                             * likeness(envelope(recording, burst.first, windows), envelope(r.samples, r.sound.first, windows));
            if (l > bestLikeness) {
                bestLikeness = l;
                best = r.name;
            }
        }
        return best;
    }

private slots:
    void initTestCase()
    {
        m_server = std::make_unique<PulseServer>();
        QVERIFY2(m_server->error().isEmpty(), qPrintable(m_server->error()));

        const QDir data(QStringLiteral(TESMO_DATA_DIR));
        for (const QString &file : data.entryList({QStringLiteral("*.wav")})) {
            const Samples s = waveSamples(data.filePath(file));
            QVERIFY2(!s.empty(), qPrintable(file));
            m_references.append({file, s, bursts(s, Loud, int(s.size())).first()});
        }
        // The desktop's alert sound stands in for a missing recording.
        const QString bell = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                    QStringLiteral("sounds/freedesktop/stereo/bell.oga"));
        QVERIFY2(!bell.isEmpty(), "the freedesktop sound theme is not installed");
        QFile file(bell);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<Clip> clip = Clip::decode(file.readAll());
        QVERIFY(clip && clip->rate >= Rate);
        // As the recording hears it: one channel at the voices' rate.
        Samples mono;
        const size_t frames = clip->samples.size() / size_t(clip->channels);
        for (size_t f = 0; f < frames; f = size_t(double(mono.size() + 1) * clip->rate / Rate)) {
            int sum = 0;
            for (int c = 0; c < clip->channels; ++c)
                sum += clip->samples[f * size_t(clip->channels) + size_t(c)];
            mono.push_back(short(sum / clip->channels));
        }
        m_references.append({QStringLiteral("bell"), mono, bursts(mono, Loud).first()});
        for (Reference &r : m_references)
            r.spectrum = spectrum(r.samples, r.sound.first, r.sound.last);
    }

    void cleanupTestCase() { m_server.reset(); }

    // A game's worth of announcements with the game's own pauses, a broken
    // and a missing file, a clip replaced while it plays, and the goodbye
    // played just before the program ends: every clip is heard whole and in
    // order, a replaced one stops where the new one starts.
    // In Italian, and in English: the English recordings in place of the
    // Italian ones, under the Italian names and pauses.
    void voicesHeardWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("it") << QString();
        QTest::newRow("en") << QStringLiteral("en");
    }
    void voicesHeardWhole()
    {
        QFETCH(QString, language);
        // The recording heard for a clip of the game.
        auto spoken = [&](const QString &clip) {
            return language.isEmpty() || clip.isEmpty() || clip == QLatin1String("bell")
                ? clip
                : clip.chopped(4) + u'.' + language + QStringLiteral(".wav");
        };
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const QDir data(QStringLiteral(TESMO_DATA_DIR));
        for (const QString &file : data.entryList({QStringLiteral("*.wav")}))
            QVERIFY(QFile::copy(data.filePath(file), dir.filePath(file)));
        TestFiles::write(dir, QStringLiteral("Rotto.wav"), QByteArray("RIFF\x10\0\0\0WAVEfmt junk", 20));

        struct Step
        {
            QString asked;
            QString heard; // the reference heard, none for silence
            double pause;
        };
        // Each clip asked for, the reference heard for it (none for silence),
        // and the game's own pause after it (none after the missing one).
        auto step = [&](const char *asked, const char *heard) {
            const QString file = QString::fromLatin1(asked);
            return Step{file, spoken(QString::fromLatin1(heard)), file.size() / double(Rules::PauseCharactersPerSecond)};
        };
        const QList<Step> steps = {
            step("TESMO.wav", "Tesmo.wav"),
            // A rated row: one announcement per position.
            step("Si.wav", "Si.wav"), step("c'e.wav", "c'e.wav"), step("No.wav", "No.wav"),
            step("c'e.wav", "c'e.wav"), step("No.wav", "No.wav"),
            // The word found.
            step("Si.wav", "Si.wav"), step("si.wav", "Si.wav"), step("Si.wav", "Si.wav"), step("Si.wav", "Si.wav"),
            step("Si.wav", "Si.wav"), step("Tesmo.wav", "Tesmo.wav"), step("Ciao.wav", "Ciao.wav"),
            step("Rotto.wav", ""), {QStringLiteral("Manca.wav"), QStringLiteral("bell"), 0.0},
        };
        const double bellLength = reference("bell").samples.size() / double(Rate);
        double replacedAfter = 0;

        m_server->startRecording(dir.filePath(QStringLiteral("heard.raw")), Rate);
        QTest::qSleep(200);
        {
            OpenAlSoundPlayer player(dir, language);
            for (const Step &step : steps) {
                player.play(step.asked);
                QTest::qSleep(int(step.pause * 1000));
            }
            QTest::qSleep(int(bellLength * 1000) + 300);
            // A clip cut short, once: the player's, whatever the language (the
            // English "No" starts too softly to be heard joined to the cut).
            if (language.isEmpty()) {
                QElapsedTimer replaced;
                player.play(QStringLiteral("Tesmo-1.wav"));
                replaced.start();
                QTest::qSleep(100);
                player.play(QStringLiteral("No.wav"));
                replacedAfter = replaced.nsecsElapsed() / 1e9;
                QTest::qSleep(600);
            }
            // The program ends right after starting its goodbye.
            player.play(QStringLiteral("Ciao-1.wav"));
        }
        QTest::qSleep(300);
        const Samples recording = fromBytes(m_server->stopRecording());
        QVERIFY(recording.size() > size_t(Rate));

        // The voices peak at the same level; the recording's peak gives its gain.
        const int peak = std::abs(*std::max_element(recording.begin(), recording.end(),
                                                    [](short a, short b) { return std::abs(a) < std::abs(b); }));
        const double gain = peak / 23198.0;
        QVERIFY2(gain > 0.1, "nothing was heard");

        QStringList expected;
        QList<double> lengths;
        for (const Step &step : steps) {
            if (!step.heard.isEmpty()) {
                expected << step.heard;
                lengths << reference(step.heard).sound.seconds();
            }
        }
        // The first clip's start, then the new clip whole, right away.
        const Reference &no = reference("No.wav");
        if (language.isEmpty()) {
            expected << "replaced";
            lengths << replacedAfter + double(no.sound.last) / Rate;
        }
        const QString goodbye = spoken(QStringLiteral("Ciao-1.wav"));
        expected << goodbye;
        lengths << reference(goodbye).sound.seconds();

        QList<int> parts;
        const QList<Burst> heard = clipsHeard(bursts(recording, Loud * gain), lengths, parts);
        QStringList got;
        for (int i = 0; i < heard.size(); ++i)
            got << QStringLiteral("%1 s at %2 s%3").arg(heard[i].seconds(), 0, 'f', 3)
                       .arg(double(heard[i].first) / Rate, 0, 'f', 3)
                       .arg(parts[i] > 1 ? QStringLiteral(" (%1 parts)").arg(parts[i]) : QString());
        QVERIFY2(heard.size() == expected.size(),
                 qPrintable(QStringLiteral("%1 sounds heard, %2 expected: %3")
                                .arg(heard.size()).arg(expected.size()).arg(got.join(", "))));

        for (int i = 0; i < heard.size(); ++i) {
            const QString name = expected[i];
            if (name == "replaced") {
                const Burst tail{heard[i].last - (no.sound.last - no.sound.first), heard[i].last};
                QCOMPARE(recognise(recording, tail), QStringLiteral("No.wav"));
            } else {
                QCOMPARE(recognise(recording, heard[i]), name);
            }
            qInfo("%-12s heard %s, clip %.3f s", qPrintable(name), qPrintable(got[i]), lengths[i]);
            QVERIFY2(std::abs(heard[i].seconds() - lengths[i]) <= Tolerance,
                     qPrintable(QStringLiteral("%1: heard %2, clip %3 s").arg(name, got[i]).arg(lengths[i])));
        }
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
