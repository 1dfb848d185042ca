// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <sndfile.h>

// OpenAL Soft and libsndfile, opened with dlopen the first time a voice is
// played: a player who keeps the game silent never loads them, nor the
// sound server's client library that OpenAL brings in.
namespace AudioLibraries {

struct OpenAl
{
#define TESMO_AL_FUNCTIONS(X) \
    X(alcOpenDevice) X(alcCloseDevice) X(alcCreateContext) X(alcDestroyContext) \
    X(alcMakeContextCurrent) X(alcIsExtensionPresent) X(alcGetProcAddress) X(alcGetIntegerv) \
    X(alGetError) X(alGenSources) X(alDeleteSources) X(alGenBuffers) X(alDeleteBuffers) \
    X(alBufferData) X(alSourcei) X(alSourcePlay) X(alSourceStop)
#define TESMO_DECLARE(name) decltype(&::name) name = nullptr;
    TESMO_AL_FUNCTIONS(TESMO_DECLARE)
};

struct SndFile
{
#define TESMO_SF_FUNCTIONS(X) X(sf_open_virtual) X(sf_readf_short) X(sf_close)
    TESMO_SF_FUNCTIONS(TESMO_DECLARE)
#undef TESMO_DECLARE
};

// The loaded library, or nullptr when it cannot be opened (then one line on
// stderr says so, once).
const OpenAl *openAl();
const SndFile *sndFile();

} // namespace AudioLibraries
