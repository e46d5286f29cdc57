#!/usr/bin/env bash
# Runs a test program built for Windows under Wine: CTest's emulator in the Windows build.
#
#   tools/windows/wine-test.sh QT_PREFIX PROGRAM.exe [ARGUMENT...]
#
# The toolkit's DLLs are found in QT_PREFIX/bin, MinGW's in its own folders. Wine hands no QT_
# variable to a Windows program, only WINEQT_NAME as QT_NAME, so the test's own (the offscreen
# platform, a scale) are passed on that way. A Qt Test program without a console writes its report
# to the debugger's channel: it writes it to a file here instead, which is shown; the program's
# status is this script's.
set -euo pipefail

qt=${1:?usage: wine-test.sh QT_PREFIX PROGRAM.exe [ARGUMENT...]}
program=${2:?usage: wine-test.sh QT_PREFIX PROGRAM.exe [ARGUMENT...]}
shift 2

for name in $(compgen -e); do
    if [[ $name == QT_* ]]; then
        export "WINE$name=${!name}"
    fi
done
# shellcheck source=tools/windows/dll-dirs.sh
source "$(dirname "$0")/dll-dirs.sh"
WINEPATH=
while read -r dir; do
    WINEPATH+="Z:${dir//\//\\};"
done < <(dll_dirs "$qt")
export WINEPATH

# The program keeps its settings in %APPDATA%\velmora, which no variable moves elsewhere (on Linux
# each test has a folder of its own): each test starts without any and leaves none, so the tests
# run one at a time.
settings=${WINEPREFIX:-$HOME/.wine}/drive_c/users/$(id -un)/AppData/Roaming/velmora
rm -rf "$settings"
report=$(mktemp "${TMPDIR:-/tmp}/velmora-test.XXXXXX")
trap 'rm -rf "$report" "$settings"' EXIT
status=0
wine "$program" "$@" -o "Z:$report,txt" || status=$?
cat "$report"
exit "$status"
