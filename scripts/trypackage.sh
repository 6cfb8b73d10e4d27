#!/usr/bin/env bash
# What scripts/package.sh --try and scripts/windows.sh --package share when
# they try the programs of a package: the version the build calls itself, a
# small tree, and the checks of vastrel-top's output. Sourced; usage:
#   project_version BUILD_DIR
#       the version of project() in CMakeLists.txt, as BUILD_DIR was
#       configured with (its CMakeCache.txt)
#   make_try_tree DIR
#       DIR/sub/big.bin (3,000,000 bytes) and DIR/small.txt (1,000 bytes)
#   check_top_version LABEL OUTPUT VERSION MESSAGE
#       prints "LABEL --version: OUTPUT"; unless OUTPUT is
#       "vastrel-top VERSION", prints "vastrel: MESSAGE" and fails
#   check_top_scan OUTPUT TREE MESSAGE
#       prints OUTPUT; unless it is what `vastrel-top -n 5` lists for the
#       tree of make_try_tree, shown as TREE, prints "vastrel: MESSAGE" and fails
set -euo pipefail

project_version() {
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
    if [ -z "$version" ]; then
        echo "vastrel: no CMAKE_PROJECT_VERSION in $1/CMakeCache.txt" >&2
        return 1
    fi
    echo "$version"
}

make_try_tree() {
    mkdir -p "$1/sub"
    head -c 3000000 /dev/zero > "$1/sub/big.bin"
    head -c 1000 /dev/zero > "$1/small.txt"
}

check_top_version() {
    echo "$1 --version: $2"
    [ "$2" = "vastrel-top $3" ] || { echo "vastrel: $4" >&2; return 1; }
}

check_top_scan() {
    local expected
    echo "$1"
    expected=$(printf '2.86102\t%s/sub/big.bin\n0.000953674\t%s/small.txt' "$2" "$2")
    [ "$1" = "$expected" ] || { echo "vastrel: $3" >&2; return 1; }
}
