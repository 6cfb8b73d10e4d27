#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Vastrel
# need, if any are missing. Sourced by the other scripts; usage:
#   ensure_packages pkg...
set -euo pipefail

# Packages every build needs.
VASTREL_BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-qpa-plugins dbus dbus-daemon)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "vastrel: need root or sudo to install: ${missing[*]}" >&2
            return 1
        fi
    fi
    echo "vastrel: installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    # A fresh machine may have empty or stale package lists: refresh once on failure.
    if ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" >&2; then
        "${sudo[@]}" apt-get update -q >&2
        "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
    fi
}
