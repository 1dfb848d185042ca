// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fuzz/Properties.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A libFuzzer entry point checking one property: a broken property aborts,
// so the fuzzer keeps the input that broke it.
inline int fuzzCheck(const QString &failure)
{
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "property broken: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}

// A file in a private folder made once per run, in memory where possible.
inline QString scratchFile(const char *name)
{
    static QString dir;
    if (dir.isEmpty()) {
        QByteArray pattern = (QDir(QStringLiteral("/dev/shm")).exists() ? QByteArray("/dev/shm")
                                                                           : QDir::tempPath().toLocal8Bit())
                             + "/tesmo-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        dir = QString::fromLocal8Bit(pattern);
        std::atexit([] { QDir(dir).removeRecursively(); });
    }
    return dir + u'/' + QString::fromLatin1(name);
}

#define TESMO_FUZZ_TARGET(check)                                                          \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)               \
    {                                                                                     \
        const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));    \
        return fuzzCheck(check);                                                          \
    }
