#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vastrel; a directory given as
# the argument is scanned at once.
#   scripts/run.sh [DIR]
set -euo pipefail

# DIR means the caller's directory, not the repository this script moves to:
# a relative one is made absolute first (the program cleans it up).
if [ $# -gt 0 ] && [ -n "$1" ]; then
    case $1 in
    /*) ;;
    *) set -- "$PWD/$1" "${@:2}" ;;
    esac
fi
cd "$(dirname "$0")/.."
source scripts/deps.sh

ensure_packages "${VASTREL_BUILD_PACKAGES[@]}"
cmake -S . -B build >/dev/null
cmake --build build -j "$vastrel_jobs" --target vastrel vastrel-top

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "vastrel: no display; run it under a virtual one (xvfb-run -a scripts/run.sh [DIR]) or use the terminal front end (build/src/top/vastrel-top [-n N] [DIR...])" >&2
    exit 1
fi

exec build/src/app/vastrel "$@"
