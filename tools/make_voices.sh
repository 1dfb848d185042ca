#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates Tesmo's spoken announcements with espeak-ng and sox, in every
# language of the table below (or in those named).
#
# Two child voices are made:
#   Tobio   -> Si.wav   c'e.wav   No.wav   Tesmo.wav   Ciao.wav
#   Serilla -> Si-1.wav c'e-1.wav No-1.wav Tesmo-1.wav Ciao-1.wav
# in Italian, and the same clips in each other language with the language
# before the extension (Si.en.wav, Si-1.en.wav...): the game plays those
# whenever it speaks that language. Each clip must stay shorter than the pause
# the game makes after it (its Italian file name over the pause rule: 0.5 s
# for "Si.wav"); tst_pause checks it.
# Each clip is trimmed of leading/trailing silence, pitch-shifted up
# (which also raises the formants, for a small-child timbre), peak-normalised
# and written as 16-bit signed PCM, mono, 22050 Hz WAV.
#
# Needs: espeak-ng (with its Italian voice) and sox.
# Usage: tools/make_voices.sh [output-folder [language...]]
#        (default: data/ next to tools/, every language)

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../data}"
shift || true

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
# The same settings in every language, on its own espeak-ng voice.
#          pitch speed amp  shift
TOBIO=(    99    160   100  700 )
SERILLA=(  99    165   100  400 )

# One row a language: its code, the suffix of its files, the espeak-ng voices
# of Tobio and Serilla, then what each clip says: "Si" (the letter is in its
# place), "c'e" (it is in the word, elsewhere), "No" (it is not in the word),
# "Tesmo" (the game's name: its start and a word found), "Ciao" (goodbye).
#  language|suffix|Tobio|Serilla|Si |c'e     |No|Tesmo|Ciao
voices=(
  "it||it+m3|it+f1|Sì|c'è|No|Tesmo|Ciao"
  "en|.en|en-us+m3|en-us+f1|Yes|It's in|No|Tesmo|Bye-bye"
)
stems=("Si" "c'e" "No" "Tesmo" "Ciao")

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

made=0
for row in "${voices[@]}"; do
    IFS='|' read -r language suffix tobio serilla said <<<"$row"
    if [ $# -gt 0 ] && [[ " $* " != *" $language "* ]]; then
        continue
    fi
    IFS='|' read -r -a texts <<<"$said"
    for i in "${!stems[@]}"; do
        stem=${stems[$i]}
        speak "$tobio"   "${TOBIO[@]}"   "${texts[$i]}" "$out/$stem$suffix.wav"
        speak "$serilla" "${SERILLA[@]}" "${texts[$i]}" "$out/$stem-1$suffix.wav"
        made=$((made + 2))
    done
done

echo "make_voices: wrote $made clips to $out"
