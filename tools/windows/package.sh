#!/usr/bin/env bash
# Makes what a Windows user gets from the built velmora.exe, into BUILD_DIR:
#   velmora-VERSION-windows-x64.zip   the portable folder: the program, exactly the DLLs and
#                                     plugins it loads, Qt's Russian translations, the licences
#   velmora-VERSION-setup.exe         the NSIS installer (per user, or for all when elevated)
#   velmora-VERSION-x64.msi           the MSI for IT staff (per machine)
#
#   tools/windows/package.sh BUILD_DIR QT_PREFIX
set -euo pipefail

build=$(realpath "${1:?usage: package.sh BUILD_DIR QT_PREFIX}")
qt=$(realpath "${2:?usage: package.sh BUILD_DIR QT_PREFIX}")
repo=$(cd "$(dirname "$0")/../.." && pwd)
inputs=$repo/packaging/windows
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
qt_debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
name=velmora-$version
stage=$build/stage/$name
rm -rf "$build/stage"
mkdir -p "$stage/licences" "$stage/translations" \
    "$stage/platforms" "$stage/styles" "$stage/imageformats"

# Where the DLLs that a binary imports are found; any other import is Windows' own.
# shellcheck source=tools/windows/dll-dirs.sh
source "$(dirname "$0")/dll-dirs.sh"
mapfile -t search < <(dll_dirs "$qt")

# Copies a binary into a folder of the stage, stripped, then the DLLs it imports, recursively.
bundle() {
    local binary=$1 folder=$2 dll dir
    install -m 644 "$binary" "$stage/$folder/"
    x86_64-w64-mingw32-strip --strip-unneeded "$stage/$folder/$(basename "$binary")"
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" |
        sed -n 's/^[[:space:]]*DLL Name: //p'); do
        [ -e "$stage/$dll" ] && continue
        for dir in "${search[@]}"; do
            if [ -f "$dir/$dll" ]; then
                bundle "$dir/$dll" .
                break
            fi
        done
    done
}
bundle "$build/velmora.exe" .
chmod 755 "$stage/velmora.exe"
# The plugins the program loads: the Windows platform, the Windows style, which the toolkit
# starts with before the program chooses Fusion (built into Qt's widgets, as PNG and BMP are
# into its GUI library), and JPEG, for pictures saved under a .jpg name.
bundle "$qt/plugins/platforms/qwindows.dll" platforms
bundle "$qt/plugins/styles/qwindowsvistastyle.dll" styles
bundle "$qt/plugins/imageformats/qjpeg.dll" imageformats
printf "[Paths]\r\nPrefix = .\r\nPlugins = .\r\n" >"$stage/qt.conf"
install -m 644 /usr/share/qt6/translations/qtbase_ru.qm "$stage/translations/"

# Texts for Windows: CRLF line ends, the version filled in.
text() {
    sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/${qt_debian_version%%+*}/g" \
        -e "s/@QT_DEBIAN_VERSION@/$qt_debian_version/g" -e 's/$/\r/' "$@"
}
text "$inputs/README.txt" >"$stage/README.txt"
text "$repo/LICENSE" >"$stage/licences/velmora.txt"
text "$inputs/qt-notice.txt" >"$stage/licences/qt.txt"
text /usr/share/common-licenses/LGPL-3 >"$stage/licences/lgpl-3.0.txt"
text /usr/share/common-licenses/GPL-3 >"$stage/licences/gpl-3.0.txt"
text "$qt/share/doc/qt6-base/copyright" >"$stage/licences/qt6-base-copyright.txt"
text /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright \
    >"$stage/licences/mingw-w64-gcc-copyright.txt"
text /usr/share/doc/mingw-w64-x86-64-dev/copyright \
    >"$stage/licences/mingw-w64-runtime-copyright.txt"
text /usr/share/doc/fonts-ebgaramond/copyright /usr/share/doc/fonts-liberation2/copyright \
    >"$stage/licences/fonts.txt"

zip=$build/$name-windows-x64.zip
rm -f "$zip"
(cd "$build/stage" && zip -qr9X "$zip" "$name")

# The installer's lines: each folder with its files; and the uninstaller's, which removes exactly
# what was installed, the deepest folders last.
installed() {
    local path=${1#.}
    echo "\$INSTDIR${path//\//\\}"
}
(
    cd "$stage"
    find . -type d | sort | while read -r dir; do
        echo "SetOutPath \"$(installed "$dir")\""
        find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
            echo "File \"$stage/${file#./}\""
        done
    done >"$build/stage/install.nsh"
    {
        find . -type f | sort | while read -r file; do echo "Delete \"$(installed "$file")\""; done
        find . -mindepth 1 -type d | sort -r | while read -r dir; do
            echo "RMDir \"$(installed "$dir")\""
        done
    } >"$build/stage/uninstall.nsh"
)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DICON="$build/velmora.ico" \
    -DLICENCE="$stage/licences/velmora.txt" -DFILES="$build/stage/install.nsh" \
    -DUNFILES="$build/stage/uninstall.nsh" -DOUTFILE="$build/$name-setup.exe" \
    "$inputs/velmora.nsi"

# The MSI: its components are the staged files, one each, laid out by wixl-heat.
(
    cd "$build"
    find "stage/$name" -type f | sort |
        wixl-heat -p "stage/$name/" --var var.Stage --component-group VelmoraFiles \
            --directory-ref INSTALLDIR --win64 >stage/files.wxs
)
"$(dirname "$0")/msi.sh" "$build" "$version" "$build/$name-x64.msi"

for made in "$zip" "$build/$name-setup.exe" "$build/$name-x64.msi"; do
    echo "package: $(basename "$made") $(du -h "$made" | cut -f1)"
done
