#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Vastrel
# need, if any are missing. Sourced by the other scripts; usage:
#   ensure_packages pkg...
# It also gives them:
#   package_installed PKG   whether the Debian package PKG is installed
#   can_be_root             whether this is root or sudo is there
#   as_root CMD...          CMD as root: directly when root, else through sudo
#   vastrel_jobs            how many parallel build and test jobs to run
set -euo pipefail

# One job per processor; 2 where nproc is missing.
# shellcheck disable=SC2034  # used by the scripts that source this file
vastrel_jobs=$(nproc 2>/dev/null || echo 2)

# Packages every build needs; qt6-tools-dev and qt6-l10n-tools bring lupdate,
# lrelease and their CMake functions for the catalogues of the window's texts;
# libglib2.0-dev brings GIO, through which the trash goes on Linux.
VASTREL_BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-qpa-plugins dbus dbus-daemon libqt6sql6-sqlite libxxhash-dev qt6-tools-dev qt6-l10n-tools
    clang-format libglib2.0-dev)
# What the tests need besides: a FUSE file system of their own that can hang,
# btrfs-progs and xfsprogs for reflinked files (the copy finder, what removing
# a file frees); the accessibility bus, its Python bindings and Xvfb for
# walking the window as a screen reader does; Qt's own catalogues and a CJK
# font for looking at translated windows.
# shellcheck disable=SC2034  # used by scripts/test.sh
VASTREL_TEST_PACKAGES=(libfuse3-dev fuse3 btrfs-progs xfsprogs at-spi2-core
    python3-pyatspi xvfb xauth qt6-translations-l10n fonts-noto-cjk)

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

can_be_root() {
    [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null 2>&1
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        package_installed "$pkg" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! can_be_root; then
        echo "vastrel: need root or sudo to install: ${missing[*]}" >&2
        return 1
    fi
    echo "vastrel: installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    # A fresh machine may have empty or stale package lists: refresh once on failure.
    if ! as_root apt-get install -y -q --no-install-recommends "${missing[@]}" >&2; then
        as_root apt-get update -q >&2
        as_root apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
    fi
}
