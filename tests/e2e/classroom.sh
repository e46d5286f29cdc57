#!/usr/bin/env bash
# The classroom keys with a real keyboard: P freezes the running graphs and P again lets them go
# on, the same key does it in the Russian, Ukrainian and Belarusian layouts (alone, and beside a
# Latin one), Ctrl+C puts the window's picture on the clipboard as an image, and F1 opens the
# help window.
set -euo pipefail

program=${1:?usage: classroom.sh PATH_TO_VELMORA}
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$here/points.sh"
e2e_require Xvfb xdotool xwininfo import convert identify xclip setxkbmap

readonly pause_key=33 # the key labelled P, and З in the Russian layout (evdev keycode)

# The voltage and current bands of a fresh screenshot, as one checksum.
bands() {
    local png="$E2E_TMP/shot.png"
    e2e_shot "$wid" "$png" || return 1
    convert "$png" '(' -clone 0 -crop "$voltage_band" ')' '(' -clone 0 -crop "$current_band" ')' \
        -delete 0 +repage -append rgb:- | md5sum | cut -d' ' -f1
}

# Three looks in a row that show the same bands: the graphs stand still. Each look takes a
# screenshot, far longer than a frame of a running demonstration.
still() {
    local first
    first=$(bands) && [ "$(bands)" = "$first" ] && [ "$(bands)" = "$first" ]
    E2E_SEEN="bands $first"
}
moving() {
    local first
    first=$(bands) && [ "$(bands)" != "$first" ]
}
titled() {
    E2E_SEEN=$(xdotool getwindowname "$wid")
    [ "$E2E_SEEN" = "$1" ]
}
picture_on_clipboard() {
    E2E_SEEN=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null | tr '\n' ' ')
    [[ " $E2E_SEEN " == *" image/png "* ]]
}

# Pauses and continues with the pause key, as the current layout types it.
pause_and_continue() {
    local layout=$1
    xdotool windowfocus --sync "$wid" key "$pause_key"
    e2e_wait_for "the title \"Velmora — пауза\" after the pause key ($layout)" 10 \
        titled "Velmora — пауза"
    e2e_wait_for "the graphs standing still while paused ($layout)" 10 still
    xdotool windowfocus --sync "$wid" key "$pause_key"
    e2e_wait_for "the title \"Velmora\" after the pause key again ($layout)" 10 titled Velmora
    e2e_wait_for "the graphs moving on after the pause ($layout)" 10 moving
    e2e_log "paused and continued in the $layout layout"
}

e2e_start_xvfb
setxkbmap -layout us
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)
e2e_click "$wid" "${graphs_button[@]}"
e2e_click "$wid" "${power_switch[@]}"
e2e_wait_for "the graphs moving" 10 moving

pause_and_continue us
# Cyrillic layouts alone: the key types З, and no Latin letter is known for it.
for layout in ru ua by; do
    setxkbmap -layout "$layout"
    pause_and_continue "$layout"
done
# Russian beside a Latin layout, switched to Russian: the toolkit matches the key as P.
setxkbmap -layout us,ru -option grp:caps_toggle
xdotool key Caps_Lock
pause_and_continue "us,ru switched to ru"
setxkbmap -layout us -option ''

e2e_key "$wid" ctrl+c
e2e_wait_for "an image on the clipboard after Ctrl+C" 10 picture_on_clipboard
xclip -selection clipboard -t image/png -o >"$E2E_TMP/clipboard.png"
size=$(identify -format '%w %h' "$E2E_TMP/clipboard.png")
[ "$size" = "${client_size[*]}" ] || e2e_fail "the clipboard's picture is $size, not ${client_size[*]}"
e2e_log "Ctrl+C: a picture of $size on the clipboard"

e2e_key "$wid" F1
help=$(e2e_find_window "Velmora — справка" 10)
e2e_log "F1: help window $help"
