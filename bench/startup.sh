#!/usr/bin/env bash
# Start-up of the real program against the bare SDL2 program, under one virtual X server:
# time from start until the first frame is on the screen, and peak resident memory.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-9}
folder=$(mktemp -d)
cp "$build/lymn-sim" "$build/lymn.mdb" "$folder/"
cleanup() { rm -rf "$folder"; }
trap cleanup EXIT
# The bare program exits at once; the peak is read while it may be gone, so only its time counts.
xvfb-run -a -s '-screen 0 1024x768x24' bash -c "
  echo 'bare SDL2 program:'; '$build/bench/xwatch' --runs $runs --settle 50 -- '$build/bench/bare-sdl'
  echo 'lymn-sim:'; (cd '$folder' && '$PWD/$build/bench/xwatch' --runs $runs -- ./lymn-sim)
"
