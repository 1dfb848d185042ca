# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the shell tests: a scratch folder $work, removed at the end with
# every process handed to stop_at_end; fail, which counts a failure and goes
# on; finish, which says PASS or fails the test; start_xvfb, a private X
# display for the test.
work=$(mktemp -d)
stopped_at_end=()
failures=0
stop_at_end() { stopped_at_end+=("$1"); }
cleanup() {
  local pid
  for pid in "${stopped_at_end[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() {
  [ "$failures" -eq 0 ] && echo PASS || exit 1
  exit 0
}

# start_xvfb FOLDER: starts Xvfb, writes its display number in FOLDER and exports DISPLAY.
start_xvfb() {
  exec 3>"$1/display"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
  stop_at_end $!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$1/display")
}
