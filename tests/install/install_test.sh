#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game as a package would (cmake --install into a temporary
# DESTDIR), makes the installed files read-only and plays the installed
# program twice as a normal user, headless: the game must work in the
# player's own folder and leave the installed files as they were.
#   install_test.sh <build folder> <player driver library>
set -euo pipefail
build=$1
driver=$2

work=$(mktemp -d)
created_user=""
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
  if [ -n "$created_user" ]; then userdel "$created_user" 2>/dev/null || true; fi
}
trap cleanup EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
install -m 755 "$driver" "$work/driver.so"
program="$work/root/usr/games/tesmo"
shipped="$work/root/usr/share/games/tesmo"
[ -x "$program" ] || fail "no installed program"
# The desktop entry names an icon the theme has at every size, scalable too.
icon=$(sed -n 's/^Icon=//p' "$work"/root/usr/share/applications/*.desktop)
for picture in {16x16,32x32,48x48,64x64,128x128,256x256}/apps/"$icon".png scalable/apps/"$icon".svg; do
  [ -s "$work/root/usr/share/icons/hicolor/$picture" ] || fail "the icon $picture is not installed"
done
chmod -R a-w "$work/root"
sums() { (cd "$work/root" && find . -type f -exec sha256sum {} + | sort); }
sums > "$work/installed.sums"

# A normal user plays; as root, one is made for this run and removed after.
as_user=()
home="$work/home"
runtime="$work/runtime"  # the session's own folder, gone with the run (not one left in /tmp)
mkdir "$home"
mkdir -m 700 "$runtime"
if [ "$(id -u)" -eq 0 ]; then
  user="tesmo-test-$$"
  useradd --system --user-group --no-create-home --shell /usr/sbin/nologin "$user"
  created_user=$user
  chown "$user" "$home" "$runtime"
  as_user=(runuser -u "$user" --)
fi

# play <XDG_DATA_HOME> <fine|game> <name to type>: prints the driver's reports.
play() {
  local status=0
  timeout 300 "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" \
    XDG_DATA_HOME="$1" XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$runtime" \
    QT_QPA_PLATFORM=offscreen LD_PRELOAD="$work/driver.so" TESMO_DRIVE="$2" TESMO_DRIVE_NAME="$3" \
    "$program" 2>"$work/stderr" || status=$?
  echo "EXIT|$status"
}
marks() { tr -cd '*' < "$1" | wc -c; }

own="$home/data/tesmo"
name="Giocatrice di prova"
shipped_marks=$(marks "$shipped/tesmodat.1")

# First start, a name typed and "Fine": the player's folder is made and filled.
out=$(play "$home/data" fine "$name")
echo "$out"
grep -q '^BOX' <<<"$out" && fail "a message box opened on the first start"
grep -qx 'EXIT|0' <<<"$out" || { cat "$work/stderr"; fail "first start did not end normally"; }
grep -qx 'NAME|Anonimo' <<<"$out" || fail "first start did not reach the main window with a fresh name"
for f in "$shipped"/tesmodat.* Tesmo.ini; do
  [ -f "$own/${f##*/}" ] || fail "${f##*/} is missing from the player's folder"
done
[ "$(marks "$own/tesmodat.1")" -eq $((shipped_marks + 1)) ] || fail "the first start did not mark one drawn word"
tr -d '\r' < "$own/Tesmo.ini" | grep -qx "Nome=${name^^}" || fail "the name was not kept"
cmp -s "$own/tesmodat.2" "$shipped/tesmodat.2" || fail "an unused list differs from the shipped one"

# Second start: the name and the marks are found again; a whole game is
# played (five manches lost) and its result stored in the high scores.
out=$(play "$home/data" game "")
echo "$out"
grep -qx "NAME|${name^^}" <<<"$out" || fail "the second start lost the name"
grep '^BOX' <<<"$out" | grep -v 'La risposta è errata, clicca OK per la manche N\.[2-5]$' \
  | grep -v "Mi spiace, la risposta è errata! Il gioco finisce qua" && fail "an unexpected message box opened"
grep -qx 'EXIT|0' <<<"$out" || { cat "$work/stderr"; fail "the game did not end normally"; }
[ "$(marks "$own/tesmodat.1")" -eq $((shipped_marks + 6)) ] || fail "the second start lost the marks of the first"
[ -f "$own/TESMO.HIS" ] || fail "TESMO.HIS is missing from the player's folder"
# (a game of 0 points ranks below the empty places of a fresh table)
[ "$(wc -l < "$own/TESMO.HIS")" -eq 50 ] || fail "the high scores were not written whole"

sums | cmp -s - "$work/installed.sums" || fail "the installed files changed"

# No folder to write in: the game names it and ends.
touch "$home/plain-file"
out=$(play "$home/plain-file" fine "")
echo "$out"
grep -q "^BOX|TESMO|.*$home/plain-file/tesmo" <<<"$out" || fail "no message named the folder that cannot be written"
grep -qx 'EXIT|0' <<<"$out" && fail "the game went on without a folder to write in"
grep -q '^NAME' <<<"$out" && fail "the main window opened without a folder to write in"
echo "PASS"
