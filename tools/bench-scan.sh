#!/usr/bin/env bash
# Scan benchmark: builds a synthetic tree once (about 300,000 sparse files in
# 20,000 directories), then times `vastrel-top -n 10 TREE`, the same with a
# one-thread walk, a full scan of TREE in the main window run offscreen
# (`vastrel-guiscan TREE`, status updates included) and
#   find TREE -name '.*' -prune -o -type f -printf '%s %p\n' | sort -nr | head -10
# and a bare walk that reads every size and nothing else (vastrel-floorwalk:
# getdents64 and fstatat on the scan's thread count), taking turns in a
# shuffled order, and prints for each the median wall time, the median CPU
# time, the peak RSS, and the ratios.
#
# By default it runs two phases with a warm cache: "quiet", then "hog", with a
# busy loop pinned to CPU 0 (started and stopped by the script).
#   tools/bench-scan.sh [--rounds N] [--tree DIR] [--build DIR] [--files N]
#                       [--cold] [--hog-only] [--quiet-only] [--no-window] [--deep]
#                       [--equal-sizes] [--space-on-disk] [--store-start]
#   --rounds N    rounds per phase, at least 5 (default 7)
#   --cold        a phase "cold" instead, the page cache dropped before every
#                 run (needs root)
#   --files N     a tree of N files instead (in N/15 directories; 2000000 takes
#                 several minutes to build and about 2 million inodes); its
#                 default place is /tmp/vastrel-bench-tree-N
#   --no-window   leave the main window's scan out
#   --deep        instead of all this, scan a chain of 25,000 nested folders
#                 (/tmp/vastrel-deep-tree) with the descriptor limit at 256,
#                 and print whether its bottom file is listed and the peak RSS
#   --space-on-disk instead of all this, time the folder totals (vastrel-top
#                 --folders against vastrel-top and the bare walk) and --frees
#                 on 10,000 results, warm, and the peak RSS with folder totals
#                 (tools/bench/spaceondisk.py; --files N for another tree)
#   --store-start instead of all this, time the main window's start over a
#                 stored scan of the 2-million-file tree's size against its
#                 start over an empty history, quiet, then beside a busy loop
#                 on CPU 0 (--quiet-only, --hog-only: one of them;
#                 tools/bench/storestart.py; no tree needed)
#   --equal-sizes instead of all this, time vastrel-top -n 10 and -n 10000 on
#                 one folder of 200,000 empty files (--files N: N of them;
#                 /tmp/vastrel-equal-sizes-N) and print the ratio of the two
# Default tree /tmp/vastrel-bench-tree, build dir build/.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=7
tree=
build=build
files=300000
phases=quiet,hog
window=()
deep=0
equal=0
space=0
start=0
files_given=0
usage() {
    echo "usage: tools/bench-scan.sh [--rounds N] [--tree DIR] [--build DIR] [--files N]" \
        "[--cold] [--hog-only] [--quiet-only] [--no-window] [--deep] [--equal-sizes]" \
        "[--space-on-disk] [--store-start]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case "$1" in
        --rounds) rounds=${2:?}; shift 2 ;;
        --tree) tree=${2:?}; shift 2 ;;
        --build) build=${2:?}; shift 2 ;;
        --files) files=${2:?}; files_given=1; shift 2 ;;
        --cold) phases=cold; shift ;;
        --hog-only) phases=hog; shift ;;
        --quiet-only) phases=quiet; shift ;;
        --no-window) window=(--no-window); shift ;;
        --deep) deep=1; shift ;;
        --equal-sizes) equal=1; shift ;;
        --space-on-disk) space=1; shift ;;
        --store-start) start=1; shift ;;
        *) usage ;;
    esac
done
case "$rounds" in
    '' | *[!0-9]*) rounds=0 ;;
esac
if [ "$rounds" -lt 5 ]; then
    echo "bench-scan: --rounds needs a number of at least 5" >&2
    exit 2
fi
case "$files" in
    '' | *[!0-9]*) usage ;;
esac
if [ $equal -eq 1 ] && [ $files_given -eq 0 ]; then
    files=200000
fi
if [ -z "$tree" ] && [ $equal -eq 1 ]; then
    tree=/tmp/vastrel-equal-sizes-$files
elif [ -z "$tree" ]; then
    tree=/tmp/vastrel-bench-tree
    [ "$files" -eq 300000 ] || tree=/tmp/vastrel-bench-tree-$files
fi
# timeit.py refuses the cold phase without root too (it is also run alone);
# asking here fails at once, before the build and the tree.
if [ "$phases" = cold ] && [ "$(id -u)" -ne 0 ]; then
    echo "bench-scan: --cold drops the page cache, which needs root" >&2
    exit 2
fi

source scripts/deps.sh
ensure_packages "${VASTREL_BUILD_PACKAGES[@]}" time python3 util-linux
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" >/dev/null
# A build without optimisation times the program's own code several times
# slower than it runs, and the ratios to the bare walk with it.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")
echo "build: $build (${build_type:-no build type})"
case "$build_type" in
    Release | RelWithDebInfo | MinSizeRel) ;;
    *) echo "bench-scan: warning: $build is not an optimised build; use --build with a Release or RelWithDebInfo one" >&2 ;;
esac
if [ $start -eq 1 ]; then
    cmake --build "$build" --target vastrel-guistart >/dev/null
    echo "cores: $(nproc); load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
    for phase in ${phases//,/ }; do
        hog=()
        [ "$phase" = hog ] && hog=(--hog)
        python3 tools/bench/storestart.py "$build/tools/guibench/vastrel-guistart" "$rounds" \
            "${hog[@]}"
    done
    exit 0
fi
if [ $space -eq 1 ]; then
    cmake --build "$build" --target vastrel-top vastrel-floorwalk >/dev/null
else
    cmake --build "$build" --target vastrel-top vastrel-guiscan vastrel-floorwalk >/dev/null
fi
if [ $deep -eq 1 ]; then
    exec python3 tools/bench/deeptree.py "$build/src/top/vastrel-top" /tmp/vastrel-deep-tree
fi
if [ $equal -eq 1 ]; then
    echo "cores: $(nproc); load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
    exec python3 tools/bench/equalsizes.py "$build/src/top/vastrel-top" "$tree" "$files" "$rounds"
fi
python3 tools/bench/maketree.py "$tree" --files "$files"
echo "cores: $(nproc); load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ $space -eq 1 ]; then
    exec python3 tools/bench/spaceondisk.py "$build/src/top/vastrel-top" \
        "$build/tools/bench/vastrel-floorwalk" "$tree" "$rounds"
fi
python3 tools/bench/timeit.py "$build/src/top/vastrel-top" \
    "$build/tools/guibench/vastrel-guiscan" "$tree" "$rounds" "$phases" "${window[@]}" \
    --floor "$build/tools/bench/vastrel-floorwalk"
