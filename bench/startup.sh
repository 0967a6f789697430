#!/usr/bin/env bash
# Start-up of the real program against the bare SDL2 program, under one virtual X server:
# time from start until the first frame is on the screen, and peak resident memory. The two
# programs take turns, so that a machine slowing down or speeding up meanwhile weighs on both.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
folder=$(mktemp -d)
cp "$build/lymn-sim" "$build/lymn.mdb" "$folder/"
cleanup() { rm -rf "$folder"; }
trap cleanup EXIT
xwatch="$PWD/$build/bench/xwatch"
bare="$PWD/$build/bench/bare-sdl"
# The bare program exits at once; its peak is read while it may be gone, so only its time counts.
xvfb-run -a -s '-screen 0 1024x768x24' bash -c "
  for run in \$(seq 1 $runs); do
    '$xwatch' --runs 1 --settle 50 -- '$bare' | sed -n 's/^run 1: first frame \([0-9.]*\) ms.*/bare \1/p'
    (cd '$folder' && '$xwatch' --runs 1 -- ./lymn-sim) |
      sed -n 's/^run 1: first frame \([0-9.]*\) ms, peak resident \([0-9.]*\) MB/sim \1 \2/p'
  done
" | awk '
  function median(a, n,   i, j, t) {
    for (i = 2; i <= n; ++i) for (j = i; j > 1 && a[j - 1] > a[j]; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  $1 == "bare" { b[++nb] = $2 }
  $1 == "sim" { s[++ns] = $2; m[ns] = $3 }
  END {
    if (!nb || !ns) { print "no measurement"; exit 1 }
    mb = median(b, nb); ms = median(s, ns)
    printf "bare SDL2 program: first frame %.1f ms (median of %d)\n", mb, nb
    printf "lymn-sim:          first frame %.1f ms (median of %d), peak resident %.1f MB\n", ms, ns, median(m, ns)
    printf "ratio:             %.2f\n", ms / mb
  }'
