// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Platform.h"

#include <QDir>

#include <memory>

// Plays the voices through OpenAL Soft, which reaches the desktop's sound
// server (PulseAudio, or PipeWire's PulseAudio service) or the sound card.
//
// play() only hands the name to a thread of its own and returns at once. That
// thread opens the sound device the first time a voice is played, decodes
// each file the first time it is asked for and keeps it, and plays one clip
// at a time: a new clip stops the one still sounding and starts at once. A
// file that cannot be found gives the desktop's alert sound ("bell" of the
// freedesktop sound theme). Without a device or with a file that cannot be
// decoded nothing is heard; one line on stderr says so, once per fault.
class OpenAlSoundPlayer : public SoundPlayer
{
public:
    // Given a language (other than the game's own), each voice says its words
    // in it where the recordings are there ("Si.en.wav" beside "Si.wav").
    explicit OpenAlSoundPlayer(const QDir &programDir, const QString &language = QString());
    // Waits for the last clip as waitForLastClip() does, then closes the device.
    ~OpenAlSoundPlayer() override;

    void play(const QString &fileName) override;

    // Returns once the last clip started has been heard to its end, and never
    // later than its length plus 100 ms after it was asked for; at once when
    // nothing is sounding.
    void waitForLastClip();

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
};
