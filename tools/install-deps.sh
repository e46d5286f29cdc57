#!/usr/bin/env bash
# Installs the Debian packages Velmora needs; does nothing when all are there.
#
#   tools/install-deps.sh [GROUP...]     groups: build (the default), test, package, check,
#                                        sanitize, soak, windows and web
#
# On a host without dpkg and apt (another distribution, macOS, Windows) it says which packages it
# could not check and lets the build go on: CMake then reports whatever is really missing.
set -euo pipefail

declare -A groups=(
    # Compiler, Qt 6 with its translation tools and its own translations, Qt Svg for the scalable
    # icon written at build time, the fonts the window's texts are drawn in and fonttools, which
    # makes them the program's own.
    [build]="cmake g++ make pkg-config
             qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools qt6-svg-dev
             qt6-translations-l10n
             fonts-ebgaramond fonts-liberation2 fonts-dejavu-core fontconfig python3-fonttools"
    # A private X server, a window manager for full screen and maximized windows, the tools the
    # end-to-end tests drive and read them with, the headers of Xlib and of xcb with its DAMAGE
    # extension for the tests' close_box and repainted tools, and the validators of the desktop
    # entry and the metainfo that the install test runs.
    [test]="xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick xclip libx11-dev openbox wmctrl
            libxcb1-dev libxcb-damage0-dev desktop-file-utils appstream"
    # make package: the library dependencies of the .deb (dpkg-shlibdeps, which needs file), the
    # .rpm builder, and lintian to check the .deb.
    [package]="dpkg-dev file rpm lintian"
    # Checks by hand on a desktop: the accessibility tree as a screen reader reads it, what the
    # Orca screen reader says, a launcher that starts the installed program from its desktop
    # entry as a menu does, and the load that the end-to-end tests must pass under (both cores
    # kept busy).
    [check]="dbus-x11 at-spi2-core python3-pyatspi orca speech-dispatcher xdotool
             libglib2.0-bin stress-ng"
    # The second compiler, with its sanitizer runtimes and the symbolizer that names the frames
    # of a sanitizer's report.
    [sanitize]="clang libclang-rt-14-dev llvm"
    # What the long run reads the X server's pixmaps with.
    [soak]="xrestop"
    # make windows and make windows-test: the MinGW-w64 cross compiler (with its objdump and
    # runtime DLLs), what builds the toolkit from Debian's source (dpkg-source, ninja), the
    # installer and MSI builders, zip, and Wine with its fonts to run it all in a private X server.
    [windows]="g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev ninja-build
               nsis msitools wixl zip unzip wine wine64 fonts-wine xvfb xauth xdotool imagemagick"
    # Qt for the browser (tools/web/build-qt.sh): Debian's Emscripten with node to run it, what
    # builds the toolkit from Debian's source, and a headless Chromium with its driver and
    # Selenium to test the page.
    [web]="emscripten nodejs ninja-build dpkg-dev cmake chromium chromium-driver python3-selenium"
)

[ $# -gt 0 ] || set -- build
packages=()
for group in "$@"; do
    [ -n "${groups[$group]+set}" ] || {
        echo "install-deps: no group '$group' (groups: ${!groups[*]})" >&2
        exit 2
    }
    read -r -a listed <<<"$(echo ${groups[$group]})"
    packages+=("${listed[@]}")
done

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "install-deps: no dpkg/apt on this host; not checked: ${packages[*]}" >&2
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
