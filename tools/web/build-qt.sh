#!/usr/bin/env bash
# Builds Qt for WebAssembly (the browser) from Debian's own qt6-base source, the same version as
# the host's Qt (whose moc, rcc and uic the cross build uses), with Debian's Emscripten, into a
# cache folder outside the source tree. It runs once per machine: a later run finds the finished
# toolkit and returns at once. A toolkit whose build did not finish (no marker) is built again,
# never used.
#
#   tools/web/build-qt.sh             prints the toolkit's prefix as its last line
#
# Only what Velmora needs is built: Core, Gui, Widgets (and OpenGL, which the browser's backing
# store draws with), the wasm platform plugin, PNG and the JPEG plugin, statically and without
# threads (a page then needs none of the cross-origin isolation that shared memory asks for), with
# Qt's bundled zlib, pcre2, HarfBuzz, FreeType, libpng and libjpeg.
#
# An app is then built with the prefix's bin/qt-cmake after sourcing the prefix's
# velmora-web-env.sh, which points EMSDK at the small emsdk folder this script keeps beside the
# toolkit (Qt's CMake files look for Emscripten through it).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../debian-qt-source.sh"
emscripten_version="$(dpkg-query -W -f='${Version}' emscripten)"
root="${XDG_CACHE_HOME:-$HOME/.cache}/velmora/qt-${upstream}-wasm"
prefix="$root/install"
emsdk="$root/emsdk"
marker="$prefix/velmora-toolkit-complete"
envfile="$prefix/velmora-web-env.sh"

# Qt's configure options for the browser.
configure=(
    -xplatform wasm-emscripten
    -cmake-generator Ninja
    -release -static
    # The host's Qt tools, moc, rcc and uic, from Debian's packages.
    -qt-host-path /usr
    # One thread: Emscripten's pthreads need SharedArrayBuffer, which only a cross-origin
    # isolated page gets.
    -no-feature-thread
    # Asyncify lets a modal dialog's exec() wait inside the browser's event loop; Qt 6.4 has it
    # as a device option only, and it adds -s ASYNCIFY to an app's link.
    -device-option QT_EMSCRIPTEN_ASYNCIFY=1
    -nomake examples -nomake tests
    -no-feature-network -no-feature-sql -no-feature-xml -no-dbus -no-feature-testlib
    -no-feature-printsupport -no-feature-concurrent
    # Nothing here deploys to Android; said outright, since Debian's cross builds turn it on.
    -no-feature-androiddeployqt
    # Neither the host's zstd nor what pkg-config finds on the host is of use in the browser.
    -no-feature-zstd -no-pkg-config
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
    -no-feature-gif -no-feature-ico
)
# Passed to CMake itself: the host's Qt CMake files are not where QT_HOST_PATH alone leads
# (/usr/lib/cmake holds other packages' files, so Qt would not even say so).
cmake_args=(-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)

# Qt's CMake files find Emscripten only as an emsdk lays it out: $EMSDK/.emscripten names the
# Emscripten folder, whose emcc tells the version and whose cmake/ has the toolchain file. Debian's
# Emscripten (/usr/share/emscripten) is mirrored so, by symbolic links; the compiler's own names
# go to Debian's wrapper, which runs the matching .py with the system's python3 and keeps
# Debian's configuration (LLVM 14, binaryen, node, the prebuilt frozen library cache).
emsdk_config="EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'"
make_emsdk() {
    local emroot="$emsdk/upstream/emscripten" entry tool
    rm -rf "$emsdk"
    mkdir -p "$emroot"
    echo "$emsdk_config" >"$emsdk/.emscripten"
    for entry in /usr/share/emscripten/*; do
        ln -s "$entry" "$emroot/"
    done
    for tool in emcc em++ emar emranlib em-config; do
        ln -sfn /usr/share/emscripten/wrapper "$emroot/$tool"
    done
}

# Everything that shapes the toolkit; a change to any of it builds it again.
stamp=$(printf '%s\n' "$version" "$emscripten_version" "$emsdk_config" \
    "${configure[@]}" "${cmake_args[@]}" | sha256sum | cut -d' ' -f1)

if [ -f "$marker" ] && [ "$(cat "$marker")" = "$stamp" ]; then
    # The emsdk folder is cheap to lay again, should it have been cleaned away.
    [ -x "$emsdk/upstream/emscripten/emcc" ] || make_emsdk
    echo "$prefix"
    exit 0
fi

started=$SECONDS
echo "build-qt: building Qt $upstream for WebAssembly into $root" >&2
echo "build-qt: this happens once per machine and takes about 40 minutes on 2 cores" >&2
rm -rf "$root/source" "$root/build" "$prefix" "$emsdk"
mkdir -p "$root/build"
make_emsdk

debian_qt_source "$version" "$root"

# EMSDK for Qt's CMake files; NODE_PATH for Emscripten's JavaScript optimizer, whose acorn is a
# Debian node module. EM_CACHE stays unset: Debian's library cache is prebuilt and frozen, and a
# cache of one's own would have to be built, which a frozen Emscripten refuses.
export EMSDK="$emsdk" NODE_PATH=/usr/share/nodejs

log="$root/build.log"
echo "build-qt: configuring and building (log: $log)" >&2
jobs="${JOBS:-$(nproc)}"
configure_started=$SECONDS
if ! (cd "$root/build" &&
    "$root/source/configure" "${configure[@]}" -prefix "$prefix" -- "${cmake_args[@]}") \
    >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "build-qt: configuring the toolkit failed; the log is $log" >&2
    exit 1
fi
configured=$((SECONDS - configure_started))
echo "build-qt: configured in $((configured / 60)) min $((configured % 60)) s" | tee -a "$log" >&2
build_started=$SECONDS
if ! { cmake --build "$root/build" --parallel "$jobs" &&
    cmake --install "$root/build"; } >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "build-qt: the toolkit's build failed; the log is $log" >&2
    exit 1
fi
# What a page built with it tells about Qt's licences: Debian's record of every file's copyright
# and licence.
install -D -m 644 "$root/source/debian/copyright" "$prefix/share/doc/qt6-base/copyright"
cat >"$envfile" <<EOF
# Sourced before building an app with this toolkit ($prefix/bin/qt-cmake):
# Qt's CMake files find Emscripten through EMSDK, and Emscripten's optimizer its acorn through
# NODE_PATH. To run a build's .js under node 20, add --no-experimental-fetch.
export EMSDK='$emsdk'
export NODE_PATH=/usr/share/nodejs
EOF
rm -rf "$root/build" "$root/source"
echo "$stamp" >"$marker"
took=$((SECONDS - started))
built=$((SECONDS - build_started))
echo "build-qt: Qt for WebAssembly built in $((took / 60)) min $((took % 60)) s" \
    "(the build itself $((built / 60)) min $((built % 60)) s)" | tee -a "$log" >&2
echo "build-qt: before $prefix/bin/qt-cmake: . $envfile" >&2
echo "$prefix"
