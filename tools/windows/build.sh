#!/usr/bin/env bash
# make windows: Velmora for 64-bit Windows, cross-compiled with MinGW-w64 against Qt for Windows
# (built once per machine by build-qt.sh), then packaged into BUILD_DIR: the portable zip, the
# NSIS installer and the MSI.
#
#   tools/windows/build.sh BUILD_DIR HOST_BUILD_DIR
#
# HOST_BUILD_DIR is the Linux build, whose desktop-files tool has drawn the program's icon at
# every size: the Windows icon is made of the same pictures.
set -euo pipefail

build=${1:?usage: build.sh BUILD_DIR HOST_BUILD_DIR}
host=${2:?usage: build.sh BUILD_DIR HOST_BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
started=$SECONDS

qt=$("$here/build-qt.sh" | tail -n 1)

mkdir -p "$build"
# The icon, 16 to 256 pixels; ImageMagick stores the 256-pixel picture as PNG, the rest as bitmaps.
icons=()
for size in 16 24 32 48 64 128 256; do
    icons+=("$host/packaging/share/icons/hicolor/${size}x$size/apps/org.velmora.Velmora.png")
done
convert "${icons[@]}" "$build/velmora.ico"

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DVELMORA_WINDOWS_ICON="$build/velmora.ico" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-test.sh;$qt" >/dev/null
cmake --build "$build" --target velmora --parallel "${JOBS:-$(nproc)}"
"$here/package.sh" "$build" "$qt"
echo "windows: built in $((SECONDS - started)) s"
