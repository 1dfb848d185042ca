#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks on a virtual X display of their own (paint timings need
# a real X server, not the offscreen platform), inside a D-Bus session as on a
# desktop (without one, Qt starts a bus daemon of its own for the menu bar).
set -euo pipefail
dir="$1"; shift
need=()
command -v xvfb-run >/dev/null || need+=(xvfb xauth)
command -v dbus-run-session >/dev/null || need+=(dbus-daemon)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$dir/tesmo_bench" "$@"
