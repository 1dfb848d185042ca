#!/usr/bin/env bash
# Runs the benchmarks on a virtual X display of their own (paint timings need
# a real X server, not the offscreen platform).
set -euo pipefail
dir="$1"; shift
if ! command -v xvfb-run >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get install -y -qq --no-install-recommends xvfb xauth
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$dir/tesmo_bench" "$@"
