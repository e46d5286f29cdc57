#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, the same version as the host's
# Qt (whose moc, rcc, uic and lrelease the cross build uses), with MinGW-w64, into a cache folder
# outside the source tree. It runs once per machine: a later run finds the finished toolkit and
# returns at once. A toolkit whose build did not finish (no marker) is built again, never used.
#
#   tools/windows/build-qt.sh             prints the toolkit's prefix as its last line
#
# Only what Velmora needs is built: Core, Gui, Widgets, Test, the Windows platform plugin and
# style, the offscreen plugin for the tests, PNG and the JPEG plugin (pictures of the window are
# saved as either), with Qt's bundled zlib, pcre2, HarfBuzz, FreeType, libpng and libjpeg.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../debian-qt-source.sh"
root="${XDG_CACHE_HOME:-$HOME/.cache}/velmora/qt-${upstream}-windows-x64"
prefix="$root/install"
marker="$prefix/velmora-toolkit-complete"

# Everything that shapes the toolkit, with the toolchain file's contents; a change to any of it
# builds it again, wherever the source tree is.
configure=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    # The host's Qt tools; its CMake files are not where QT_HOST_PATH alone leads.
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_BUILD_MANUAL_TESTS=OFF
    # No OpenGL at all (FEATURE_opengl=OFF alone leaves the dynamic one on), no Vulkan.
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib_selfcover=OFF
    # Debian's tarball lacks 3rdparty/wintab; without Direct2D the Windows plugin does not link
    # in 6.4, so only its 1.1 flavour goes.
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
    -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_freetype=ON
)
stamp=$({ printf '%s\n' "$version" "${configure[@]}" && cat "$here/mingw-w64.cmake"; } |
    sha256sum | cut -d' ' -f1)

if [ -f "$marker" ] && [ "$(cat "$marker")" = "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

started=$SECONDS
echo "build-qt: building Qt $upstream for Windows into $root" >&2
echo "build-qt: this happens once per machine and takes about 25 minutes on 2 cores" >&2
rm -rf "$root/source" "$root/build" "$prefix"

debian_qt_source "$version" "$root"

log="$root/build.log"
echo "build-qt: configuring and building (log: $log)" >&2
jobs="${JOBS:-$(nproc)}"
if ! { cmake -S "$root/source" -B "$root/build" "${configure[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" &&
    cmake --build "$root/build" --parallel "$jobs" &&
    cmake --install "$root/build"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "build-qt: the toolkit's build failed; the log is $log" >&2
    exit 1
fi
# What the packages tell about Qt's licences: Debian's record of every file's copyright and licence.
install -D -m 644 "$root/source/debian/copyright" "$prefix/share/doc/qt6-base/copyright"
rm -rf "$root/build" "$root/source"
echo "$stamp" >"$marker"
took=$((SECONDS - started))
echo "build-qt: Qt for Windows built in $((took / 60)) min $((took % 60)) s" >&2
echo "$prefix"
