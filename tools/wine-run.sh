#!/usr/bin/env bash
# Runs a Windows program under Wine the way CTest runs a test program: CMake's
# CMAKE_CROSSCOMPILING_EMULATOR for the Windows build (scripts/windows.sh).
#   tools/wine-run.sh WINEPREFIX DLLDIR PROGRAM.exe [ARG...]
#
# WINEPREFIX is the Wine prefix to run in (created on first use), DLLDIR the
# folder holding the Qt and MinGW runtime DLLs, added to the program's PATH.
#
# Wine hands a Unix variable QT_X to the Windows program only when it is
# spelled WINEQT_X, so every QT_* variable (CTest sets QT_QPA_PLATFORM and
# QT_LOGGING_RULES for each test) is exported again with that prefix. Qt's
# messages go to stderr, where CTest shows them.
set -euo pipefail

if [ $# -lt 3 ]; then
    echo "usage: tools/wine-run.sh WINEPREFIX DLLDIR PROGRAM.exe [ARG...]" >&2
    exit 2
fi
export WINEPREFIX=$1
dlldir=$2
shift 2

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEQT_FORCE_STDERR_LOGGING=1
# The offscreen platform draws text with the fonts in this folder (Wine's
# drive Z: is the Unix root).
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-Z:/usr/share/fonts/truetype/dejavu}
for name in $(compgen -e); do
    case "$name" in
        QT_*) export "WINE$name=${!name}" ;;
    esac
done
# The program's own folder comes first; the runtime DLLs from PATH.
dlldir=$(cd "$dlldir" && pwd)
export WINEPATH="Z:${dlldir//\//\\}${WINEPATH:+;$WINEPATH}"

exec wine "$@"
