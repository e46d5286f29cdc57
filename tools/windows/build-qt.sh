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
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
upstream="${version#*:}"
upstream="${upstream%%+*}"
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

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# apt-get source needs a deb-src entry for the archive the machine installs from; where there is
# none, one is written beside each deb entry, for the same addresses and suites.
ensure_deb_src() {
    apt-get source --print-uris -qq "qt6-base=$version" >/dev/null 2>&1 && return
    echo "build-qt: adding deb-src entries for the machine's archives"
    shopt -s nullglob
    local deb822=(/etc/apt/sources.list.d/*.sources) oneline=(/etc/apt/sources.list.d/*.list)
    [ -f /etc/apt/sources.list ] && oneline+=(/etc/apt/sources.list)
    if [ ${#deb822[@]} -gt 0 ]; then
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*deb([ \t\n]|$)/ && !/(^|\n)Enabled:[ \t]*no/ {
                 sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
            "${deb822[@]}" | "${sudo[@]}" tee /etc/apt/sources.list.d/velmora-deb-src.sources \
            >/dev/null
    fi
    if [ ${#oneline[@]} -gt 0 ]; then
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "${oneline[@]}" |
            "${sudo[@]}" tee /etc/apt/sources.list.d/velmora-deb-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
}

started=$SECONDS
echo "build-qt: building Qt $upstream for Windows into $root" >&2
echo "build-qt: this happens once per machine and takes about 25 minutes on 2 cores" >&2
rm -rf "$root/source" "$root/build" "$prefix"
mkdir -p "$root/download"

ensure_deb_src >&2
echo "build-qt: fetching Debian's source of qt6-base $version" >&2
(cd "$root/download" && apt-get source --download-only -qq "qt6-base=$version" >&2)
dpkg-source --skip-patches -x "$root/download/qt6-base_${version#*:}.dsc" "$root/source" >&2

# Debian's patches, less the two that only serve Debian's own builds.
echo "build-qt: applying Debian's patches" >&2
while read -r patch _; do
    case "$patch" in
        '' | '#'* | cross.patch | force_shared_libzstd.patch) ;;
        *) patch -d "$root/source" -p1 -s <"$root/source/debian/patches/$patch" ;;
    esac
done <"$root/source/debian/patches/series"

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
