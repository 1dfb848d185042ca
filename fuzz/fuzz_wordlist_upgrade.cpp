// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/Target.h"

TESMO_FUZZ_TARGET(Properties::wordListUpgrade(input, scratchFile("upgrade")))
