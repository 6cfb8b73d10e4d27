#!/usr/bin/env bash
# Cross-builds Vastrel for Windows x64 with MinGW-w64 and runs every test
# program under Wine on the offscreen platform.
#   scripts/windows.sh             build into build-windows/ and run the tests
#   scripts/windows.sh --package   then make vastrel-VERSION-windows-x64.zip
#                                  (VERSION: that of project() in
#                                  CMakeLists.txt) and try it in a fresh
#                                  Wine prefix
#
# The Qt for MinGW comes as a tarball (qt-6.4.2-mingw-w64.tar.xz, made by
# build-qt-mingw.sh from Debian's own qt6-base source) in a folder that also
# holds the CMake toolchain file. Environment:
#   VASTREL_WINDOWS_DIR  that folder (default: shared/windows beside the
#                        repository, ../shared/windows from its root)
#   VASTREL_QT_MINGW     an installed Qt for MinGW to use instead of the
#                        tarball (e.g. /opt/qt6-mingw from build-qt-mingw.sh)
#   VASTREL_CACHE        where the tarball is unpacked, once (default
#                        ${XDG_CACHE_HOME:-~/.cache}/vastrel)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/deps.sh
source scripts/trypackage.sh

package=0
case "${1:-}" in
    "") ;;
    --package) package=1 ;;
    *) echo "usage: scripts/windows.sh [--package]" >&2; exit 2 ;;
esac

# The host Qt provides moc, rcc and uic; it must be the same version as the
# cross-built one. wine alone brings the wine command, wine64 the 64-bit loader;
# fonts-wine the fonts Windows programs expect (Tahoma and its kin), so the
# windows platform plugin under Wine draws text as Windows users see it.
# libxxhash-dev: its one header, copied into the build tree, for the copy finder.
ensure_packages cmake make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools \
    g++-mingw-w64-x86-64-posix libxxhash-dev wine wine64 xz-utils zip unzip fonts-dejavu-core fonts-wine

# shared/windows beside the repository; from a git worktree, beside the main
# working tree that the worktree belongs to.
find_windows_dir() {
    if [ -n "${VASTREL_WINDOWS_DIR:-}" ]; then
        echo "$VASTREL_WINDOWS_DIR"
        return
    fi
    local candidate common
    for candidate in "$root/../shared/windows" \
        "$(common=$(git rev-parse --path-format=absolute --git-common-dir 2>/dev/null) && dirname "$common")/../shared/windows"; do
        if [ -f "$candidate/toolchain-mingw64.cmake" ]; then
            echo "$candidate"
            return
        fi
    done
    echo "$root/../shared/windows"
}
windows_dir=$(find_windows_dir)
windows_dir=$(cd "$windows_dir" 2>/dev/null && pwd) || {
    echo "vastrel: no $(find_windows_dir); set VASTREL_WINDOWS_DIR to the folder with the Qt tarball and toolchain-mingw64.cmake" >&2
    exit 1
}
toolchain=$windows_dir/toolchain-mingw64.cmake

# The Qt install is relocatable: its CMake files find everything relative to
# themselves, so it can live in a cache folder rather than /opt.
if [ -n "${VASTREL_QT_MINGW:-}" ]; then
    qt=$(cd "$VASTREL_QT_MINGW" && pwd)
else
    tarball=$windows_dir/qt-6.4.2-mingw-w64.tar.xz
    cache=${VASTREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vastrel}
    unpacked=$cache/qt-6.4.2-mingw-w64
    qt=$unpacked/qt6-mingw
    stamp=$(stat -c '%s %Y' "$tarball")
    if [ "$(cat "$unpacked/.tarball" 2>/dev/null)" != "$stamp" ]; then
        echo "vastrel: unpacking $tarball into $unpacked" >&2
        mkdir -p "$cache"
        tmp=$(mktemp -d "$cache/unpack.XXXXXX")
        tar -C "$tmp" -xJf "$tarball"
        echo "$stamp" > "$tmp/.tarball"
        rm -rf "$unpacked"
        mv "$tmp" "$unpacked"
    fi
fi
[ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] || { echo "vastrel: no Qt 6 in $qt" >&2; exit 1; }

build=build-windows
wineprefix=$root/$build/wine
cmake -S . -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$root/tools/wine-run.sh;$wineprefix;$qt/bin"
cmake --build "$build" -j "$vastrel_jobs"

# One wineserver for the whole run: started before the tests (a server that
# the first test starts would keep CTest's output pipe open until it ends) and
# ended with the script, along with anything a test left running in it.
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
start_wine() {
    mkdir -p "$1"
    WINEPREFIX=$1 wineserver -p </dev/null >/dev/null 2>&1
    WINEPREFIX=$1 wine wineboot -i >/dev/null 2>&1
    # Debian's Wine does not find the fonts of fonts-wine in their own folder:
    # a prefix gets them in its Windows fonts folder, where every program's
    # font list (Qt's windows plugin included) finds Tahoma and its kin.
    cp -n /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/" 2>/dev/null || true
}
stop_wine() {
    WINEPREFIX=$1 wineserver -k 2>/dev/null || true
}
trap 'stop_wine "$wineprefix"' EXIT
start_wine "$wineprefix"

QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$vastrel_jobs"

[ $package -eq 1 ] || exit 0

# The zip: both programs, the Qt and MinGW runtime DLLs and the plugins, laid
# out as the programs look for them (install rules of the Windows build).
(cd "$build" && cpack -G ZIP -C Release)
version=$(project_version "$build")
zip=vastrel-${version}-windows-x64.zip
mv "$build/$zip" "$root/$zip"
echo "vastrel: made $zip" >&2

# Try it where nothing else is installed: a fresh prefix, the zip unpacked
# into it, no PATH to the build's DLLs.
try=$(mktemp -d)
trap 'stop_wine "$wineprefix"; stop_wine "$try/prefix"; rm -rf "$try"' EXIT
start_wine "$try/prefix"
unzip -q "$zip" -d "$try"
app=$try/${zip%.zip}
make_try_tree "$try/tree"
run() { WINEPREFIX=$try/prefix wine "$@" | tr -d '\r'; }

# Every DLL a program or plugin of the zip imports is in the zip or is part of
# Windows: the window program cannot be started here without a display, so its
# imports are checked instead.
system32=$try/prefix/drive_c/windows/system32
missing=0
while IFS= read -r binary; do
    # api-ms-win-* names are API sets, which the Windows loader maps itself.
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p' |
        grep -v -i '^api-ms-win-'); do
        if ! find "$app" "$system32" -maxdepth 1 -iname "$dll" | grep -q .; then
            echo "vastrel: ${binary#$app/} needs $dll, which the zip lacks" >&2
            missing=1
        fi
    done
done < <(find "$app" -iname '*.exe' -o -iname '*.dll')
[ $missing -eq 0 ]

reported=$(run "$app/vastrel-top.exe" --version)
check_top_version "vastrel-top.exe" "$reported" "$version" "unexpected version from the zip"

scan=$(run "$app/vastrel-top.exe" -n 5 'Z:'"${try//\//\\}"'\tree')
check_top_scan "$scan" "Z:$try/tree" "the zip's scan did not list the two files as expected"

# The window program: started on the offscreen platform (its plugin taken
# from the Qt build: the zip carries only the windows one) by wine-run.sh,
# which hands the QT_* variables on and names the fonts; its DLL folder is
# the zip's own, so still nothing from the build is on PATH. It writes its
# settings file beside itself and registers the Explorer verb. Then the
# prefix is ended, and the program with it.
QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="Z:${qt//\//\\}\\plugins" VASTREL_UPDATE_HOST=127.0.0.1:9 \
    tools/wine-run.sh "$try/prefix" "$app" "$app/vastrel.exe" </dev/null >/dev/null 2>&1 &
expected_verb="\"Z:${app//\//\\}\\Vastrel.exe\" \"%1\""
verb=
for _ in $(seq 1 120); do
    verb=$(run reg query 'HKCR\Directory\shell\Find Vastrel Here\Command' /ve 2>/dev/null || true)
    [ -s "$app/Vastrel.ini" ] && grep -qF "$expected_verb" <<< "$verb" && break
    sleep 0.5
done
echo "Vastrel.ini beside vastrel.exe:"
tr -d '\r' < "$app/Vastrel.ini" 2>/dev/null ||
    { echo "vastrel: vastrel.exe wrote no Vastrel.ini beside itself" >&2; exit 1; }
echo "$verb"
grep -qF "$expected_verb" <<< "$verb" ||
    { echo "vastrel: vastrel.exe did not register the Explorer verb" >&2; exit 1; }
stop_wine "$try/prefix"
echo "vastrel: $zip runs in a fresh Wine prefix" >&2
