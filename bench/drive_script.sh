#!/usr/bin/env bash
# Times lymn-drive on a script of 1,000 commands (picks, levels, spins, point clicks, dumps).
#   bench/drive_script.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-7}
script=$(mktemp)
trap 'rm -f "$script"' EXIT
{
    echo "pick zy 5"; echo "pick js 11"
    for i in $(seq 1 83); do
        echo "level $((i % 150 + 11))"; echo "click la"; echo "click ta"; echo "click da"; echo "spin up"
        echo "click ld"; echo "click td"; echo "click dd"; echo "spin down"; echo "pick zy $((i % 8 + 1))"
        echo "pick js $((i % 20 + 1))"; echo "dump"
    done
    echo "level 20"; echo "dump"
} > "$script"
echo "commands: $(grep -c . "$script")"
for r in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    "$build/lymn-drive" < "$script" > /dev/null
    end=$(date +%s%N)
    echo "run $r: $(( (end - start) / 1000000 )) ms"
done
