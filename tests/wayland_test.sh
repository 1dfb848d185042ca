#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on Wayland, natively (qt6-wayland), under weston's headless
# compositor: it starts, rates a row, opens and closes the high-score table
# and quits with "Fine", in a folder of its own, saying nothing on stderr.
# Usage: wayland_test.sh TESMO PLAYER_DRIVER SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/testlib.sh"
program=$1
driver=$2
source_dir=$3

mkdir -m 700 "$work/runtime" "$work/game"
cp "$program" "$work/game/tesmo"
cp "$source_dir/data/tesmodat.1" "$work/game/"
export XDG_RUNTIME_DIR=$work/runtime
weston --backend=headless-backend.so --socket=tesmo-test --idle-time=0 >"$work/weston.log" 2>&1 &
stop_at_end $!
for _ in $(seq 100); do [ -S "$work/runtime/tesmo-test" ] && break; sleep 0.1; done
[ -S "$work/runtime/tesmo-test" ] || { fail "weston did not start: $(tail -3 "$work/weston.log")"; finish; }

status=0
(cd "$work/game" && env -u DISPLAY LANGUAGE=it WAYLAND_DISPLAY=tesmo-test QT_QPA_PLATFORM=wayland \
   LD_PRELOAD="$driver" TESMO_DRIVE=row timeout 30 ./tesmo >"$work/out" 2>"$work/err") || status=$?
cat "$work/out"
[ "$status" -eq 0 ] || fail "exit status $status; stderr: $(cat "$work/err")"
grep -qx 'TABLE|TESMO - Hiscores Table' "$work/out" || fail "the high-score table was not shown"
grep -q '^.....\.' "$work/game/tesmodat.1" || fail "no word list left"
[ "$(tr -cd '*' <"$work/game/tesmodat.1" | wc -c)" -eq 1 ] || fail "not exactly one word drawn"
grep -q '^Tentativi=' "$work/game/Tesmo.ini" || fail "the settings were not saved by Fine"
[ -s "$work/err" ] && fail "stderr: $(cat "$work/err")"
finish
