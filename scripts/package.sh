#!/usr/bin/env bash
# Builds the Debian package vastrel_VERSION_amd64.deb with CPack and checks it
# (VERSION: that of project() in CMakeLists.txt).
#   scripts/package.sh         build in build-package/, leave the .deb in the
#                              repository's root, check its desktop entry,
#                              AppStream file and manual pages, run lintian
#   scripts/package.sh --try   then install it with apt-get, run the installed
#                              programs on a small tree, and remove it again
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/deps.sh
source scripts/trypackage.sh

try=0
case "${1:-}" in
    "") ;;
    --try) try=1 ;;
    *) echo "usage: scripts/package.sh [--try]" >&2; exit 2 ;;
esac

# dpkg-dev brings dpkg-shlibdeps, which CPack asks for the dependencies.
ensure_packages "${VASTREL_BUILD_PACKAGES[@]}" dpkg-dev file help2man desktop-file-utils \
    appstream lintian

build=build-package
# Debian's hardening flags, as its own packages are built with. Installing
# builds only what is installed, not the tests.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j "$vastrel_jobs" \
    --target vastrel vastrel-top vastrel_man_pages vastrel_changelog
(cd "$build" && cpack -G DEB)
version=$(project_version "$build")
deb=vastrel_${version}_amd64.deb
mv "$build/$deb" "$root/$deb"
echo "vastrel: made $deb" >&2
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends Installed-Size

# What the package holds, checked by the tools the desktop and Debian use.
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
for file in usr/bin/vastrel usr/bin/vastrel-top usr/share/man/man1/vastrel.1.gz \
    usr/share/man/man1/vastrel-top.1.gz usr/share/applications/vastrel.desktop \
    usr/share/icons/hicolor/32x32/apps/vastrel.png usr/share/icons/hicolor/48x48/apps/vastrel.png \
    usr/share/doc/vastrel/copyright usr/share/doc/vastrel/changelog.gz; do
    [ -e "$contents/$file" ] || { echo "vastrel: the package lacks /$file" >&2; exit 1; }
done
desktop-file-validate "$contents/usr/share/applications/vastrel.desktop"
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml
for page in "$contents"/usr/share/man/man1/*.1.gz; do
    # man's own warnings (bad requests, lines it cannot fit) fail the check.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "vastrel: ${page##*/}: $warnings" >&2; exit 1; }
done
echo "vastrel: lintian:" >&2
lintian --fail-on error --display-info "$deb" >&2
echo "vastrel: lintian found no errors" >&2

[ $try -eq 1 ] || exit 0

# Install it as a user would, try the installed programs, remove it again.
# A vastrel package that was there before is left alone.
if package_installed vastrel; then
    echo "vastrel: a vastrel package is already installed; not trying this one over it" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
as_root apt-get install -y -q --no-install-recommends "$root/$deb" >&2
trap 'rm -rf "$contents"; as_root apt-get remove -y -q --purge vastrel >&2' EXIT

# Assigned first, so that a program that fails ends the script (set -e).
reported=$(/usr/bin/vastrel-top --version)
check_top_version "installed vastrel-top" "$reported" "$version" "unexpected version"
if ldd /usr/bin/vastrel | grep 'not found'; then
    echo "vastrel: the installed vastrel misses libraries" >&2
    exit 1
fi

# The tree, plus a hidden folder whose larger file must not be listed.
tree=$contents/tree
make_try_tree "$tree"
mkdir -p "$tree/.hidden"
head -c 5000000 /dev/zero > "$tree/.hidden/skipped.bin"
scan=$(/usr/bin/vastrel-top -n 5 "$tree")
check_top_scan "$scan" "$tree" "the installed vastrel-top did not list the tree as expected"
echo "vastrel: the installed package scans; removing it" >&2
