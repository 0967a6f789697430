#!/usr/bin/env bash
# Start-up of the real program against the bare SDL2 program, under one virtual X server: time
# from start until the first frame is on the screen, and peak resident memory. The programs take
# turns, so that a machine changing speed meanwhile weighs on both.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
folder=$(mktemp -d)
cp "$build/lymn-sim" "$build/lymn.mdb" "$folder/"
cleanup() { rm -rf "$folder"; }
trap cleanup EXIT
# The bare program exits at once; its peak is read while it may be gone, so only its time counts.
xvfb-run -a -s '-screen 0 1024x768x24' "$build/bench/xwatch" --runs "$runs" --settle 200 \
    -- "$PWD/$build/bench/bare-sdl" -- "$folder/lymn-sim" | grep -E '^(median|ratio)'
