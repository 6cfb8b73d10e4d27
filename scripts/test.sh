#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test.
#   scripts/test.sh             build/ (RelWithDebInfo)
#   scripts/test.sh --sanitize  build-sanitize/ with AddressSanitizer and
#                               UndefinedBehaviorSanitizer; any report fails
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

sanitize=0
case "${1:-}" in
    "") ;;
    --sanitize) sanitize=1 ;;
    *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
esac

ensure_packages "${VASTREL_BUILD_PACKAGES[@]}" "${VASTREL_TEST_PACKAGES[@]}"

# The plain run also checks that the sources keep the project's format.
if [ $sanitize -eq 0 ]; then
    tools/check-format.sh
fi

if [ $sanitize -eq 1 ]; then
    dir=build-sanitize
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DVASTREL_SANITIZE=ON
    export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
else
    dir=build
    cmake -S . -B "$dir"
fi
cmake --build "$dir" -j "$vastrel_jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j "$vastrel_jobs"
