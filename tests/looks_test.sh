#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's own windows look the same on every desktop: drawn on an X
# display under each Qt style and desktop theme the set-up installs, they
# match the default look pixel for pixel, and the text of what follows the
# desktop (message boxes, menus, tooltips) reads at 4.5:1 or better. At
# 125 to 200 % the borders stay even.
# Usage: looks_test.sh DRAW_SCREENSHOTS
set -uo pipefail
source "$(dirname "$0")/testlib.sh"
draw=$1

start_xvfb "$work"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$work/runtime"
unset QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME GTK_THEME QT_SCALE_FACTOR

# A dark qt6ct set-up: a dark colour scheme, another style and font.
mkdir -p "$work/config/qt6ct"
cat >"$work/config/qt6ct/qt6ct.conf" <<'CONF'
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Windows

[Fonts]
general="DejaVu Serif,14,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
CONF

mkdir "$work/default"
"$draw" "$work/default" -platform xcb >"$work/log" 2>&1 || { cat "$work/log"; fail "the default look"; }

# name | environment | what the desktop line must show, so that the look really was asked for
while IFS='|' read -r name environment expected; do
  mkdir "$work/$name"
  env $environment "$draw" "$work/$name" "$work/default" -platform xcb >"$work/log" 2>&1
  status=$?
  echo "== $name: $(grep '^desktop:' "$work/log")"
  grep -v '^desktop:' "$work/log" | grep -v 'XDG_RUNTIME_DIR' | sed 's/^/   /'
  grep -q "^desktop: .*$expected" "$work/log" || fail "$name: the desktop did not ask for it ($expected)"
  [ "$status" -eq 0 ] || fail "$name: differs from the default look or reads poorly"
done <<'VARIANTS'
fusion|QT_STYLE_OVERRIDE=Fusion|style fusion
windows|QT_STYLE_OVERRIDE=Windows|style windows
adwaita|QT_STYLE_OVERRIDE=Adwaita|style adwaita,
adwaita-dark|QT_STYLE_OVERRIDE=Adwaita-Dark|style adwaita-dark
gtk3-dark|QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark|windows #323232
qt6ct-dark|QT_QPA_PLATFORMTHEME=qt6ct|style qt6ct-style, windows #222020
VARIANTS

# Scaled desktops: every border as wide on each side, in whole device pixels.
for scale in 1.25 1.5 1.75 2; do
  mkdir "$work/scale-$scale"
  QT_SCALE_FACTOR=$scale "$draw" "$work/scale-$scale" -platform xcb >"$work/log" 2>&1
  status=$?
  echo "== at $scale: $(grep -i 'border' "$work/log" | head -3)"
  [ "$status" -eq 0 ] || fail "at scale $scale: $(grep -v XDG_RUNTIME_DIR "$work/log" | tail -3)"
done

finish
