#!/usr/bin/env bash
# Copy benchmark: writes a tree of 10,000 files with 200 sets of copies (real
# data, GIB GiB in all, 2 by default), times `vastrel-top --copies` on it with
# a warm cache against the listing alone and `cat` of the files it compares,
# prints the ratios (tools/bench/copies.py says which) and removes the tree.
#   tools/bench-copies.sh [--gib GIB] [--rounds N] [--tree DIR] [--build DIR]
# Default tree /tmp/vastrel-bench-copies (must not exist), build dir build/.
set -euo pipefail
cd "$(dirname "$0")/.."

gib=2
rounds=5
tree=/tmp/vastrel-bench-copies
build=build
usage() {
    echo "usage: tools/bench-copies.sh [--gib GIB] [--rounds N] [--tree DIR] [--build DIR]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case "$1" in
        --gib) gib=${2:?}; shift 2 ;;
        --rounds) rounds=${2:?}; shift 2 ;;
        --tree) tree=${2:?}; shift 2 ;;
        --build) build=${2:?}; shift 2 ;;
        *) usage ;;
    esac
done
case "$rounds" in
    '' | *[!0-9]*) usage ;;
esac

source scripts/deps.sh
ensure_packages "${VASTREL_BUILD_PACKAGES[@]}" python3 strace
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target vastrel-top >/dev/null
python3 tools/bench/copies.py "$build/src/top/vastrel-top" "$tree" "$gib" "$rounds"
