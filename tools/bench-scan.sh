#!/usr/bin/env bash
# Scan benchmark: builds a synthetic tree once (about 300,000 sparse files in
# 20,000 directories), then times `vastrel-top -n 10 TREE`, a full scan of TREE
# in the main window run offscreen (`vastrel-guiscan TREE`, status updates
# included) and
#   find TREE -name '.*' -prune -o -type f -printf '%s %p\n' | sort -nr | head -10
# alternately in a shuffled order, warm cache, and prints the medians, their
# ratios and each one's peak RSS.
#   tools/bench-scan.sh [--rounds N] [--tree DIR] [--build DIR]
# Defaults: 7 rounds, tree /tmp/vastrel-bench-tree, build dir build/.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=7
tree=/tmp/vastrel-bench-tree
build=build
while [ $# -gt 0 ]; do
    case "$1" in
        --rounds) rounds=${2:?}; shift 2 ;;
        --tree) tree=${2:?}; shift 2 ;;
        --build) build=${2:?}; shift 2 ;;
        *) echo "usage: tools/bench-scan.sh [--rounds N] [--tree DIR] [--build DIR]" >&2; exit 2 ;;
    esac
done
case "$rounds" in
    '' | *[!0-9]*) rounds=0 ;;
esac
if [ "$rounds" -lt 5 ]; then
    echo "bench-scan: --rounds needs a number of at least 5" >&2
    exit 2
fi

source scripts/deps.sh
ensure_packages "${VASTREL_BUILD_PACKAGES[@]}" time python3
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target vastrel-top vastrel-guiscan >/dev/null
python3 tools/bench/maketree.py "$tree"
python3 tools/bench/timeit.py "$build/src/top/vastrel-top" \
    "$build/tools/guibench/vastrel-guiscan" "$tree" "$rounds"
