#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates Tesmo's spoken announcements (Italian) with espeak-ng and sox.
#
# Two child voices are made:
#   Tobio   -> Si.wav   c'e.wav   No.wav   Tesmo.wav   Ciao.wav
#   Serilla -> Si-1.wav c'e-1.wav No-1.wav Tesmo-1.wav Ciao-1.wav
# Each clip is trimmed of leading/trailing silence, pitch-shifted up
# (which also raises the formants, for a small-child timbre), peak-normalised
# and written as 16-bit signed PCM, mono, 22050 Hz WAV.
#
# Needs: espeak-ng (with its Italian voice) and sox.
# Usage: tools/make_voices.sh [output-folder]   (default: data/ next to tools/)

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../data}"

for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "make_voices: '$tool' not found" >&2; exit 1; }
done

mkdir -p "$out"
out="$(cd "$out" && pwd)"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Voice settings: espeak-ng voice, pitch (0-99), speed (wpm), amplitude,
# then the sox pitch shift (cents) applied afterwards.  The shift moves the
# formants up along with the pitch, which is what makes the voices sound small.
#   Tobio:   Italian male variant pushed up ~7 semitones  -> boy,  ~240 Hz
#   Serilla: Italian female variant pushed up 4 semitones -> girl, ~360 Hz
#                  voice   pitch speed amp  shift
TOBIO=(            it+m3   99    160   100  700 )
SERILLA=(          it+f1   99    165   100  400 )

# file stem -> text spoken
words=(
    "Si|Sì"
    "c'e|c'è"
    "No|No"
    "Tesmo|Tesmo"
    "Ciao|Ciao"
)

# speak VOICE PITCH SPEED AMP SHIFT TEXT DEST
speak() {
    local voice=$1 pitch=$2 speed=$3 amp=$4 shift=$5 text=$6 dest=$7
    local raw="$tmp/raw.wav" cut="$tmp/cut.wav"
    espeak-ng -v "$voice" -p "$pitch" -s "$speed" -a "$amp" -w "$raw" -- "$text"
    # Trim silence at both ends and shift pitch/formants up (with a little
    # headroom first so the shift never clips).
    sox -V2 -R -D "$raw" -e floating-point -b 32 -t wav "$cut" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
        gain -3 pitch "$shift" rate -h 22050
    # Fade the edges so the cut never clicks, then normalise to -3 dBFS.
    sox -V2 -R -D "$cut" -r 22050 -c 1 -b 16 -e signed-integer -L -t wav "$dest" \
        fade t 0.005 0 0.02 \
        gain -n -3
}

for entry in "${words[@]}"; do
    stem=${entry%%|*}
    text=${entry#*|}
    speak "${TOBIO[@]}"   "$text" "$out/$stem.wav"
    speak "${SERILLA[@]}" "$text" "$out/$stem-1.wav"
done

echo "make_voices: wrote ${#words[@]} x 2 clips to $out"
