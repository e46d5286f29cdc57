#!/usr/bin/env bash
# make windows-test: the Windows build under Wine, on a private X server, in a throwaway Wine
# prefix: the unit tests; the zip's velmora.exe against the Linux build in HOST_BUILD_DIR (start-up
# time, picture at rest), then worked with clicks by tests/e2e/live_demo.sh; the installer for all
# users (Wine's user counts as elevated) into a folder given with /D=, and for the current user,
# and the MSI replaced by a later version: each installed silently, checked, started, removed
# silently (the user's settings kept, or removed when asked), and nothing of it left; the MSI
# refused over the installer's installation and the installer over the MSI's.
#
#   tools/windows/test.sh BUILD_DIR HOST_BUILD_DIR
set -euo pipefail

build=$(realpath "${1:?usage: test.sh BUILD_DIR HOST_BUILD_DIR}")
host=$(realpath "${2:?usage: test.sh BUILD_DIR HOST_BUILD_DIR}")
repo=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$repo/tests/e2e/points.sh"
e2e_require Xvfb xdotool xwininfo import convert compare unzip wine msiinfo
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
name=velmora-$version

# At most this share of the window's pixels, in thousandths, may differ by more than a tenth of
# the colour range from the Linux build's picture: the texts' edges, which Windows' font rendering
# draws a little differently (about 12 thousandths). Without EB Garamond, the title and the
# generator's caption alone make about 17.
readonly picture_tolerance_permille=15
readonly aside=(1090 790) # a point of the screen off the window, so no control shows a hover look

step() {
    echo "windows-test: $*" >&2
}

e2e_start_xvfb 1280x900
# Wine shows a Windows program the fonts of the host, which a Windows PC does not have: hidden from
# it, the program has only Wine's fonts and its own, as on Windows.
export FONTCONFIG_FILE=$E2E_TMP/no-fonts.conf
printf '<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig/>\n' \
    >"$FONTCONFIG_FILE"
export WINEPREFIX=$E2E_TMP/wine WINEARCH=win64 WINEDEBUG=-all
# No offer to install Wine's Mono and Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's background processes are started before anything runs and stay to the end: started by
# the first program, they would keep CTest waiting for them.
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
wineboot -i
# Debian's Wine does not see the fonts of fonts-wine, among them its default interface font.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# A crash ends the program with a report on stderr, not a dialog that waits for a click.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
wine_c=$WINEPREFIX/drive_c
wine_user=$wine_c/users/$(id -un)

step "unit tests"
cmake --build "$build" --parallel "${JOBS:-$(nproc)}"
(cd "$build" && ctest --output-on-failure --timeout 120)

# Starts a program and waits for its window; sets E2E_WID and startup_ms, the time from the
# command to the visible window.
start_timed() {
    local started
    started=$(date +%s%N)
    e2e_start_app "$@"
    e2e_wait_for "a visible window titled Velmora" 60 e2e_window_titled Velmora
    startup_ms=$((($(date +%s%N) - started) / 1000000))
}

# The program's window at rest, a second after it opened, into the build folder.
shoot_at_rest() {
    xdotool mousemove "${aside[@]}"
    sleep 1
    e2e_shot "$E2E_WID" "$build/velmora-$1-at-rest.png"
}

# "Выход" ends the program with status 0.
exit_by_button() {
    e2e_click "$E2E_WID" "${exit_button[@]}"
    e2e_wait_exit "the program ending on \"Выход\" ($1)" 20
    [ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS after \"Выход\" ($1)"
}

step "the zip's velmora.exe against the Linux build"
unzip -q "$build/$name-windows-x64.zip" -d "$E2E_TMP/zip"
zip_exe=$E2E_TMP/zip/$name/velmora.exe
[ -f "$zip_exe" ] || e2e_fail "the zip has no $name/velmora.exe"

start_timed env -u FONTCONFIG_FILE "$host/velmora"
linux_ms=$startup_ms
shoot_at_rest linux
exit_by_button Linux
# The first start in a new Wine prefix also sets Wine up for the program; the second is the one a
# user sees every day.
start_timed wine "$zip_exe"
wine_first_ms=$startup_ms
exit_by_button Wine
start_timed wine "$zip_exe"
wine_ms=$startup_ms
shoot_at_rest wine
exit_by_button Wine
step "start-up to the visible window: Linux $linux_ms ms, Wine $wine_ms ms" \
    "(the first in the new prefix $wine_first_ms ms)"

cd "$build"
size=$(identify -format '%wx%h' velmora-linux-at-rest.png)
[ "$(identify -format '%wx%h' velmora-wine-at-rest.png)" = "$size" ] ||
    e2e_fail "the window is not $size under Wine, as on Linux"
differing=$(compare -metric AE -fuzz 10% velmora-{linux,wine}-at-rest.png null: 2>&1 || true)
total=$((${size%x*} * ${size#*x}))
step "picture at rest: $differing of $total pixels differ from the Linux build's"
[ $((differing * 1000)) -le $((total * picture_tolerance_permille)) ] ||
    e2e_fail "more than $picture_tolerance_permille thousandths of the picture differ" \
        "(both pictures are in $build)"

step "the demonstration worked with clicks, under Wine"
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$zip_exe" >"$E2E_TMP/velmora-wine"
chmod +x "$E2E_TMP/velmora-wine"
bash "$repo/tests/e2e/live_demo.sh" "$E2E_TMP/velmora-wine"

# What the prefix holds outside Windows' own folders and the temporary files: after a removal it
# must be what it was before the installation, but for the user's folder of programs, which
# Windows keeps for every program installed per user.
user_files() {
    (cd "$wine_c" && find . -path ./windows -prune -o -path "./users/$(id -un)/Temp" -prune -o \
        -path "./users/$(id -un)/AppData/Local/Programs" -o -print | sort)
}

# Registry lines "NAME TYPE VALUE" of a key, or nothing when the key is not there.
reg_values() {
    wine reg query "$1" 2>/dev/null | tr -d '\r' | sed -n 's/^ \{4\}//p'
}

# Checks an installation: the program in its folder, the shortcut, the uninstall entry; then
# starts the program from there.
check_installed() {
    local what=$1 folder=$2 shortcut=$3 key=$4 entry
    [ -f "$folder/velmora.exe" ] || e2e_fail "$what: no velmora.exe in $folder"
    [ -f "$shortcut" ] || e2e_fail "$what: no shortcut $shortcut"
    entry=$(reg_values "$key")
    for expected in "DisplayName REG_SZ Velmora" "DisplayVersion REG_SZ $version" \
        "Publisher REG_SZ The Velmora developers"; do
        grep -q "^${expected// /  *}\$" <<<"$entry" || e2e_fail "$what: $key lacks $expected"
    done
    step "$what: installed in $folder, shortcut and uninstall entry there"
    start_timed wine "$folder/velmora.exe"
    exit_by_button "$what"
}

# Waits until a removal has taken away the folder, the shortcut and the entry; checks that the
# user's settings are KEPT (then removes them) or REMOVED, and that nothing else of the
# installation is left.
check_removed() {
    local what=$1 folder=$2 shortcut=$3 key=$4 settings_were=$5
    gone() {
        [ ! -e "$folder" ] && [ ! -e "$shortcut" ] && [ -z "$(reg_values "$key")" ]
    }
    e2e_wait_for "$what: the folder, the shortcut and the uninstall entry removed" 30 gone
    case $settings_were in
    kept) [ -f "$settings/velmora.ini" ] || e2e_fail "$what: the user's settings removed" ;;
    removed) [ ! -e "$settings" ] || e2e_fail "$what: the user's settings left, asked to remove" ;;
    esac
    rm -rf "$settings"
    E2E_SEEN=$(diff <(echo "$before") <(user_files) || true)
    [ -z "$E2E_SEEN" ] || e2e_fail "$what: left behind: $E2E_SEEN"
    step "$what: removed, settings $settings_were, nothing else left"
}

# The settings a user's program has written.
settings=$wine_user/AppData/Roaming/velmora
write_settings() {
    mkdir -p "$settings"
    printf '[view]\r\nsize=scale\r\nscale=1.5\r\n' >"$settings/velmora.ini"
}

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
start_menu='AppData/Roaming/Microsoft/Windows/Start Menu/Programs'
msi=$build/$name-x64.msi

before=$(user_files)
# /D= is the last option, unquoted however many spaces the folder has: the command interpreter
# hands the installer the line as typed.
step "installer, silently, for all users, into a folder of its own"
wine cmd /c "Z:${build//\//\\}\\$name-setup.exe /S /D=C:\\Velmora для уроков"
folder="$wine_c/Velmora для уроков"
shortcut="$wine_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
check_installed "installer for all users" "$folder" "$shortcut" "HKLM\\$uninstall_key\\Velmora"
status=0
wine msiexec /i "$msi" /qn || status=$?
[ "$status" -ne 0 ] && [ -z "$(reg_values 'HKLM\Software\Velmora')" ] ||
    e2e_fail "the MSI installed over the installer's installation (status $status)"
step "the MSI refused to install over it (status $status: 1603 modulo 256)"
write_settings
wine "$folder/uninstall.exe" /S
check_removed "installer for all users" "$folder" "$shortcut" "HKLM\\$uninstall_key\\Velmora" kept

step "installer, silently, for the current user"
wine "$build/$name-setup.exe" /S /CurrentUser
folder="$wine_user/AppData/Local/Programs/Velmora"
shortcut="$wine_user/$start_menu/Velmora.lnk"
check_installed "installer for the user" "$folder" "$shortcut" "HKCU\\$uninstall_key\\Velmora"
write_settings
wine "$folder/uninstall.exe" /S /RemoveSettings
check_removed "installer for the user" "$folder" "$shortcut" "HKCU\\$uninstall_key\\Velmora" removed

# The product code that an MSI registers its uninstall entry under.
product_code() {
    msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'
}

step "MSI, silently"
product=$(product_code "$msi")
wine msiexec /i "$msi" /qn
folder="$wine_c/Program Files/Velmora"
# Wine's msiexec puts the Start menu's shortcut of a per-machine package into the user's menu.
shortcut="$wine_user/$start_menu/Velmora.lnk"
check_installed MSI "$folder" "$shortcut" "HKLM\\$uninstall_key\\$product"
entry=$(reg_values "HKLM\\$uninstall_key\\$product")
grep -q '^InstallLocation  *REG_SZ  *C:\\Program Files\\Velmora\\$' <<<"$entry" &&
    grep -q '^EstimatedSize  *REG_DWORD  *0x[0-9a-f]*[1-9a-f]' <<<"$entry" ||
    e2e_fail "MSI: the uninstall entry lacks its folder or size: $entry"
status=0
wine "$build/$name-setup.exe" /S || status=$?
[ "$status" -eq 2 ] && [ -z "$(reg_values "HKLM\\$uninstall_key\\Velmora")" ] ||
    e2e_fail "the installer installed over the MSI's installation (status $status)"
step "MSI: its entry has folder and size; the installer refused to install over it (status 2)"

# A later version replaces it: its MSI is made of the same files, as package.sh makes it.
later=${version%.*}.$((${version##*.} + 1))
"$repo/tools/windows/msi.sh" "$build" "$later" "$E2E_TMP/later.msi"
wine msiexec /i "$E2E_TMP/later.msi" /qn
[ -z "$(reg_values "HKLM\\$uninstall_key\\$product")" ] ||
    e2e_fail "MSI: version $version still installed beside $later"
step "MSI: version $later replaced $version"
write_settings
wine msiexec /x "$E2E_TMP/later.msi" REMOVESETTINGS=1 /qn
check_removed MSI "$folder" "$shortcut" "HKLM\\$uninstall_key\\$(product_code "$E2E_TMP/later.msi")" \
    removed

step "all passed"
