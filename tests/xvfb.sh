# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that need an X display: start_xvfb FOLDER starts a
# private Xvfb, exports DISPLAY and sets xvfb_pid for the test to stop it.
start_xvfb() {
  exec 3>"$1/display"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$1/display")
}
