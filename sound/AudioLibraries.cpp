// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/AudioLibraries.h"

#include <cstdio>
#include <dlfcn.h>

namespace AudioLibraries {

namespace {

template <typename Table>
bool resolve(void *handle, const char *name, Table &entry)
{
    entry = reinterpret_cast<Table>(dlsym(handle, name));
    return entry != nullptr;
}

// Fills table from the library soname; false (with one line on stderr) when
// the library or one of its functions is missing.
template <typename Table, typename Fill>
bool load(const char *soname, Table &table, Fill fill)
{
    void *handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle && fill(handle, table))
        return true;
    std::fprintf(stderr, "tesmo: voices off, cannot load %s\n", soname);
    if (handle)
        dlclose(handle);
    return false;
}

#define TESMO_RESOLVE(name) ok = resolve(handle, #name, table.name) && ok;

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}

// ALSA, which OpenAL falls back on without a sound server, prints every
// failure to find a card; the player reports the outcome itself.
void quietenAlsa()
{
    using Handler = void (*)(const char *, int, const char *, int, const char *, ...);
    void *alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!alsa)
        return;
    if (auto setHandler = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(ignoreAlsaError);
    dlclose(alsa);
}

} // namespace

const OpenAl *openAl()
{
    static OpenAl table;
    static const bool loaded = load("libopenal.so.1", table, [](void *handle, OpenAl &table) {
        bool ok = true;
        TESMO_AL_FUNCTIONS(TESMO_RESOLVE)
        quietenAlsa();
        return ok;
    });
    return loaded ? &table : nullptr;
}

const SndFile *sndFile()
{
    static SndFile table;
    static const bool loaded = load("libsndfile.so.1", table, [](void *handle, SndFile &table) {
        bool ok = true;
        TESMO_SF_FUNCTIONS(TESMO_RESOLVE)
        return ok;
    });
    return loaded ? &table : nullptr;
}

} // namespace AudioLibraries
