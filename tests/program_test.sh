#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program as a player and a packager meet it, in a folder of its own:
# its command line answers without opening a window, drawing a word or writing
# a file; its window's WM_CLASS is the desktop entry's StartupWMClass; the
# desktop entry, the metainfo and the icon name carry one application id; a
# logout or a closed terminal at the end-of-game question keeps the result.
# Usage: program_test.sh TESMO SOURCE_DIR PLAYER_DRIVER
set -uo pipefail
source "$(dirname "$0")/testlib.sh"
program=$1
source_dir=$2
driver=$3

cp "$program" "$work/tesmo"
cp "$source_dir/data/tesmodat.1" "$work/tesmodat.1"
before=$(cd "$work" && ls -A && sha256sum tesmodat.1)

# Runs the program offscreen: a program that started the game instead of
# answering would still be running when the timeout ends it (status 124).
# In Italian, the game's own language, unless a test names another.
run() { (cd "$work" && LANGUAGE=${LANGUAGE_ASKED:-it} QT_QPA_PLATFORM=offscreen timeout 10 ./tesmo "$@" >"$work.out" 2>"$work.err"); }

for option in --help -h; do
  run "$option"; status=$?
  [ "$status" -eq 0 ] || fail "$option: exit status $status"
  grep -q '^Uso: tesmo' "$work.out" || fail "$option: no usage line"
  for listed in '-h, --help' '-v, --version' '--daltonici'; do
    grep -q -- "$listed" "$work.out" || fail "$option: $listed not listed"
  done
done
# The help in the desktop's first language the game speaks; Italian when it speaks none of them.
for asked in en de:en:it en_GB fr:it C; do
  LANGUAGE_ASKED=$asked run --help
  case $asked in en*|de:en*) usage='^Usage: tesmo' ;; *) usage='^Uso: tesmo' ;; esac
  grep -q "$usage" "$work.out" || fail "LANGUAGE=$asked --help: $(head -1 "$work.out")"
done
LANGUAGE_ASKED=en run --nonsense
grep -q '^tesmo: unknown option: --nonsense' "$work.err" || fail "LANGUAGE=en --nonsense: $(head -1 "$work.err")"
for option in --version -v; do
  run "$option"; status=$?
  [ "$status" -eq 0 ] || fail "$option: exit status $status"
  [ "$(cat "$work.out")" = "tesmo 1.0" ] || fail "$option printed: $(cat "$work.out")"
done
for wrong in --nonsense -q parola; do
  run "$wrong"; status=$?
  { [ "$status" -ne 0 ] && [ "$status" -ne 124 ]; } || fail "$wrong: exit status $status"
  grep -q -- "$wrong" "$work.err" || fail "$wrong: not named on stderr"
  [ -s "$work.out" ] && fail "$wrong: printed on stdout"
done
rm -f "$work.out" "$work.err"
after=$(cd "$work" && ls -A && sha256sum tesmodat.1)
[ "$before" = "$after" ] || fail "the folder changed: $after"

# One application id everywhere.
desktop=$(ls "$source_dir"/desktop/*.desktop)
id=$(basename "$desktop" .desktop)
grep -q "<id>$id</id>" "$source_dir/desktop/$id.metainfo.xml" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$source_dir/desktop/$id.metainfo.xml" ||
  fail "metainfo launchable is not $id.desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"

# The window's class, as a desktop shell reads it to tie the window to its launcher.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wm_class" ] || fail "no StartupWMClass in $desktop"
start_xvfb "$work"
(cd "$work" && exec ./tesmo -platform xcb >/dev/null 2>&1) &
stop_at_end $!
classes=
for _ in $(seq 200); do
  classes=$(xprop -name "TESMO 2009" WM_CLASS 2>/dev/null) && break
  sleep 0.1
done
echo "window: $classes; desktop entry: StartupWMClass=$wm_class"
# WM_CLASS(STRING) = "instance", "class": the shell matches either.
echo "$classes" | grep -q "\"$wm_class\"" || fail "StartupWMClass $wm_class is not the window's WM_CLASS"

# The desktop ends the game while its end-of-game question waits: SIGTERM
# (a logout) and SIGHUP (the terminal closed) end it as a close of the
# question does. The result is stored, the name typed is kept, the program
# ends normally. The list holds one word, the first guess: a result with
# points, which ranks in the table.
for sig in TERM HUP; do
  dir="$work/session-$sig"
  mkdir "$dir"
  cp "$program" "$dir/tesmo"
  printf 'PIANO.\r\n' > "$dir/tesmodat.1"
  (cd "$dir" && LANGUAGE=it QT_QPA_PLATFORM=offscreen LD_PRELOAD="$driver" TESMO_DRIVE=question TESMO_DRIVE_WORD=PIANO \
     TESMO_DRIVE_NAME=Lia exec ./tesmo >"$dir/out" 2>"$dir/err") &
  pid=$!
  stop_at_end $pid
  for _ in $(seq 1800); do grep -q '^QUESTION' "$dir/out" && break; kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  grep -q '^QUESTION' "$dir/out" || { fail "SIG$sig: the game never reached its last question"; cat "$dir/err"; continue; }
  kill -$sig $pid
  wait $pid; status=$?
  [ "$status" -eq 0 ] || fail "SIG$sig at the question: exit status $status"
  grep -qi '^lia, [1-9][0-9]* ' "$dir/TESMO.HIS" 2>/dev/null || fail "SIG$sig at the question: the result was lost"
  tr -d '\r' < "$dir/Tesmo.ini" 2>/dev/null | grep -qx 'Nome=LIA' || fail "SIG$sig at the question: the name was lost"
  ls "$dir" | grep -q '\.tmp-' && fail "SIG$sig: a save was left half-done"
  echo "SIG$sig at the question: status $status, $(grep -ci '^lia, ' "$dir/TESMO.HIS" 2>/dev/null) result kept"
done

finish
