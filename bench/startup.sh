#!/usr/bin/env bash
# Start-up of the real program against the bare SDL2 program, under one virtual X server: time
# from start until the first frame is on the screen, and peak resident memory. The programs take
# turns, so that a machine changing speed meanwhile weighs on all of them.
#   bench/startup.sh [BUILD_DIR] [RUNS]
# The programs: the bare one, the portable folder (the static program beside its data), the
# installed program as the Debian package has it (cmake --install of the build: the shared
# libraries of the distribution, working in a scratch home), and the static program laid out as
# an installation.
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
folder=$(mktemp -d)
cleanup() { rm -rf "$folder"; }
trap cleanup EXIT
mkdir -p "$folder/portable" "$folder/home" "$folder/static/bin" "$folder/static/share/lymn-sim"
cp "$build/lymn-sim" "$build/lymn.mdb" "$folder/portable/"
cmake --install "$build" --prefix "$folder/installed" >/dev/null
cp "$build/lymn-sim" "$folder/static/bin/"
cp "$build/lymn.mdb" "$folder/static/share/lymn-sim/"
export HOME="$folder/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME
screen='1024x768x24'
watch() { xvfb-run -a -s "-screen 0 $screen" "$build/bench/xwatch" "$@"; }
# One start, not measured, copies the installed data into the home, as a user's first start does.
watch --runs 1 --settle 200 -- "$folder/installed/bin/lymn-sim" >/dev/null
test -f "$HOME/.local/share/lymn-sim/lymn.db" || {
    echo "startup.sh: the installed program made no working copy" >&2
    exit 1
}
# The bare program exits at once; its peak is read while it may be gone, so only its time counts.
echo "# the portable folder and the Debian package's program"
watch --runs "$runs" --settle 200 -- "$PWD/$build/bench/bare-sdl" \
    -- "$folder/portable/lymn-sim" -- "$folder/installed/bin/lymn-sim" | grep -E '^(median|ratio)'
# The same static program in the portable folder and laid out as an installation, working in
# the home: what the installed way of living on disk costs, apart from the shared libraries.
echo "# the portable folder's program, portable and installed"
export HOME="$folder/home-static"
mkdir -p "$HOME"
watch --runs 1 --settle 200 -- "$folder/static/bin/lymn-sim" >/dev/null
# Portable on both sides of it, so that neither has the place after the other alone.
watch --runs "$runs" --settle 200 -- "$folder/portable/lymn-sim" \
    -- "$folder/static/bin/lymn-sim" -- "$folder/portable/lymn-sim" | grep -E '^(median|ratio)'
# At twice the density: the portable program at scale 2 against the bare program opening a
# window of the same 880 x 1070 pixels, on a screen that holds it.
echo "# scale 2: the portable folder's program against the bare program at 880 x 1070"
screen='1920x1200x24'
watch --runs "$runs" --settle 200 -- "$PWD/$build/bench/bare-sdl" 880 1070 \
    -- "$folder/portable/lymn-sim" --scale 2 | grep -E '^(median|ratio)'
