// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/Clip.h"

#include "sound/AudioLibraries.h"

#include <algorithm>
#include <cstring>

namespace {

// A minute is far more than any announcement; longer files are not voices.
constexpr sf_count_t MaxFrames = 60 * 48000;

struct Reader
{
    const QByteArray &bytes;
    sf_count_t pos = 0;
};

sf_count_t length(void *user) { return static_cast<Reader *>(user)->bytes.size(); }

sf_count_t seek(sf_count_t offset, int whence, void *user)
{
    auto *r = static_cast<Reader *>(user);
    const sf_count_t base = whence == SEEK_CUR ? r->pos : whence == SEEK_END ? r->bytes.size() : 0;
    const sf_count_t to = base + offset;
    if (to < 0 || to > r->bytes.size())
        return -1;
    return r->pos = to;
}

sf_count_t read(void *out, sf_count_t count, void *user)
{
    auto *r = static_cast<Reader *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(r->bytes.size() - r->pos, 0, std::max<sf_count_t>(count, 0));
    std::memcpy(out, r->bytes.constData() + r->pos, size_t(n));
    r->pos += n;
    return n;
}

sf_count_t write(const void *, sf_count_t, void *) { return 0; }

sf_count_t tell(void *user) { return static_cast<Reader *>(user)->pos; }

} // namespace

std::optional<Clip> Clip::decode(const QByteArray &bytes)
{
    const AudioLibraries::SndFile *sf = AudioLibraries::sndFile();
    if (!sf)
        return std::nullopt;
    SF_VIRTUAL_IO io{length, seek, read, write, tell};
    Reader reader{bytes};
    SF_INFO info{};
    SNDFILE *file = sf->sf_open_virtual(&io, SFM_READ, &info, &reader);
    if (!file)
        return std::nullopt;

    std::optional<Clip> clip;
    if (info.channels > 0 && info.samplerate > 0 && info.frames > 0 && info.frames <= MaxFrames) {
        std::vector<short> all(size_t(info.frames) * size_t(info.channels));
        const sf_count_t got = sf->sf_readf_short(file, all.data(), info.frames);
        if (got > 0) {
            all.resize(size_t(got) * size_t(info.channels));
            clip.emplace();
            clip->rate = info.samplerate;
            if (info.channels <= 2) {
                clip->channels = info.channels;
                clip->samples = std::move(all);
            } else {
                clip->samples.reserve(size_t(got));
                for (size_t f = 0; f < size_t(got); ++f) {
                    long sum = 0;
                    for (int c = 0; c < info.channels; ++c)
                        sum += all[f * size_t(info.channels) + size_t(c)];
                    clip->samples.push_back(short(sum / info.channels));
                }
            }
        }
    }
    sf->sf_close(file);
    return clip;
}
