#!/usr/bin/env bash
# Installs the built program under /usr into a temporary DESTDIR, as a package would, and checks
# what the desktop reads there: the desktop entry and the metainfo pass their validators, every
# icon of the hicolor theme is a PNG of its folder's size in pixels (and the scalable one an SVG),
# the manual pages and the licence are there, and the installed program prints its version.
# Without the validators (desktop-file-utils, appstream) it skips, with status 77.
set -euo pipefail

cmake=${1:?usage: install.sh CMAKE BUILD_DIR VERSION}
build=${2:?usage: install.sh CMAKE BUILD_DIR VERSION}
version=${3:?usage: install.sh CMAKE BUILD_DIR VERSION}

missing=()
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: not installed: ${missing[*]} (tools/install-deps.sh test installs them)" >&2
    exit 77
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/velmora-install.XXXXXX")
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >"$root/install.log" 2>&1; then
    cat "$root/install.log" >&2
    fail "cmake --install failed"
    exit 1
fi
share=$root/usr/share
id=org.velmora.Velmora

# The validators: errors and warnings fail; hints (two main categories, Education and Science,
# as the menu entry means them) do not.
entry=$share/applications/$id.desktop
if [ -f "$entry" ]; then
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
    if grep -E ': (error|warning):' <<<"$report"; then
        fail "desktop-file-validate reports the above"
    fi
    grep -qx "Icon=$id" "$entry" || fail "the desktop entry does not name the icon $id"
    grep -qx "Exec=velmora" "$entry" || fail "the desktop entry does not start velmora"
else
    fail "no desktop entry $entry"
fi
metainfo=$share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
else
    fail "no metainfo $metainfo"
fi

# A PNG's width and height are the two big-endian numbers at bytes 16 to 23 of its header.
png_size() {
    local bytes
    bytes=$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')
    echo "$((16#${bytes:0:8}))x$((16#${bytes:8:8}))"
}
for size in 16 22 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "no icon $icon"
    elif [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
        fail "$icon is not a PNG"
    elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
        fail "$icon is $(png_size "$icon") pixels, not ${size}x${size}"
    fi
done
svg=$share/icons/hicolor/scalable/apps/$id.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon $svg"

for page in man/man1/velmora.1.gz man/ru/man1/velmora.1.gz; do
    gzip -t "$share/$page" 2>/dev/null || fail "no manual page $page"
done
for file in LICENSE copyright changelog.gz; do
    [ -s "$share/doc/velmora/$file" ] || fail "no $file in $share/doc/velmora"
done

program=$root/usr/bin/velmora
if [ -x "$program" ]; then
    printed=$("$program" --version 2>&1) || fail "velmora --version failed: $printed"
    [ "$printed" = "Velmora $version" ] || fail "velmora --version printed \"$printed\""
else
    fail "no program $program"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed into $root/usr: desktop entry, metainfo, 8 icons and an SVG, manual pages, licence"
