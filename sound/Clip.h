// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// A decoded sound: 16-bit samples, one or two interleaved channels.
struct Clip
{
    std::vector<short> samples;
    int channels = 1;
    int rate = 0;

    double seconds() const
    {
        return rate > 0 ? double(samples.size()) / channels / rate : 0.0;
    }

    // Decodes the bytes of a sound file in any format libsndfile reads (the
    // voices' PCM wave files, the desktop theme's Ogg Vorbis sounds). More
    // than two channels are mixed down to one. Nothing for bytes that are no
    // sound or a sound too long for a voice.
    static std::optional<Clip> decode(const QByteArray &bytes);
};
