#!/usr/bin/env bash
# At the projector, on a screen of 1920 × 1080 with a window manager: F11 fills the screen with the
# scene as large as fits and centred, and the program starts so again next time; a second start
# brings the first window back from the task bar and ends at once; the pause shows as a badge and
# goes again; a damaged settings file is passed over with one line.
set -euo pipefail

program=${1:?usage: projector.sh PATH_TO_VELMORA}
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$here/points.sh"
e2e_require Xvfb openbox xprop xdotool xwininfo wmctrl import convert

readonly face=EFEFEF  # the window's own colour, in the margins
readonly badge=764x74+764+6 # inside the pause badge's corner, at scale 1

sized() {
    E2E_SEEN=$(e2e_window_size "$wid")
    [ "$E2E_SEEN" = "$1 $2" ]
}
# The window shown, and at the place of the screen given ("X Y"): the window manager animates a
# window coming back from the task bar, and a click before it stands at its place goes where the
# window was on its way.
placed() {
    E2E_SEEN=$(xwininfo -id "$wid" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Map State/ { state = $3 } END { print x, y, state }')
    [ "$E2E_SEEN" = "$1 IsViewable" ]
}
place() {
    xwininfo -id "$wid" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
                               END { print x, y }'
}
# How many pixels of a region of the window show a colour.
count() {
    e2e_shot "$wid" "$E2E_TMP/shot.png" || return 1
    e2e_count "$(e2e_regions "$E2E_TMP/shot.png" "$1")" "$2"
}
badge_shown() {
    E2E_SEEN="$(count "$badge" B00000) red pixels"
    [ "${E2E_SEEN%% *}" -gt 1000 ]
}
badge_gone() {
    E2E_SEEN="$(count "$badge" B00000) red pixels"
    [ "${E2E_SEEN%% *}" -eq 0 ]
}
start() {
    e2e_start_app "$program" "$@"
    wid=$(e2e_find_window Velmora 15)
}
# The window, its frame included, inside the screen, once the window manager has framed it.
on_screen() {
    E2E_SEEN=$(xwininfo -id "$wid" | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 }
        END { print x, y, w, h }')
    local frame x y w h left right top bottom
    frame=$(xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | awk -F' = ' '{ print $2 }' | tr -d ,)
    [ -n "$frame" ] || return 1
    read -r x y w h <<<"$E2E_SEEN"
    read -r left right top bottom <<<"$frame"
    E2E_SEEN="$E2E_SEEN, frame $frame"
    [ $((x - left)) -ge 0 ] && [ $((y - top)) -ge 0 ] && [ $((x + w + right)) -le 1920 ] &&
        [ $((y + h + bottom)) -le 1080 ]
}
quit() {
    wmctrl -c Velmora
    e2e_wait_exit "the program ending when its window is closed" 10
    [ "$E2E_STATUS" -eq 0 ] || e2e_fail "closed, the program ended with status $E2E_STATUS"
}

e2e_start_xvfb 1920x1080
e2e_start_wm
start

# Full screen: 1920 × 1080, the scene 1.47 times its size (1080 / 734, to a hundredth), centred:
# 1306 pixels of its own across, the scene's 1016 in the middle, margins of 145 (213 on the screen).
centred() {
    e2e_shot "$wid" "$E2E_TMP/full.png" || return 1
    E2E_SEEN=$(e2e_regions "$E2E_TMP/full.png" 212x1080+0+0 212x1080+1708+0 60x40+360+412 |
        tr ' \n' '_ ')
    read -r left right panel <<<"$E2E_SEEN"
    [ "$left" = "$face:228960" ] && [ "$right" = "$face:228960" ] && [[ "$panel" == C0FFC0:2400* ]]
}
e2e_key "$wid" F11
e2e_wait_for "the window filling the screen" 10 sized 1920 1080
e2e_wait_for "the scene centred, the margins all the window's colour (left, right, generator)" 10 \
    centred
e2e_log "F11: full screen, the scene centred"

# Started again, it is full screen at once; Esc leaves full screen for the layout's size.
quit
start
e2e_wait_for "the window full screen again at the next start" 10 sized 1920 1080
e2e_key "$wid" Escape
e2e_wait_for "the window at its layout's size after Esc" 10 sized "${client_size[@]}"
e2e_log "full screen remembered; Esc leaves it"

# A second start while the window is minimized: the window comes back, the second start ends.
before=$(place)
xdotool windowminimize --sync "$wid"
first=$E2E_APP_PID
"$program" >"$E2E_TMP/second.log" 2>&1 &
second=$!
e2e_wait_for "the first window shown again where it was" 10 placed "$before"
e2e_wait_for "the second start ending" 5 eval '! e2e_running $second'
wait "$second" || e2e_fail "the second start ended with status $?"
[ "$E2E_APP_PID" = "$first" ] && e2e_running "$first" || e2e_fail "the first program is gone"
e2e_log "a second start raised the first window"

# The pause badge comes with the pause and goes with it.
e2e_click "$wid" "${power_switch[@]}"
e2e_key "$wid" p
e2e_wait_for "the pause badge" 10 badge_shown
e2e_key "$wid" p
e2e_wait_for "the pause badge gone" 10 badge_gone
e2e_log "the pause badge came and went"

# Damaged settings: passed over, with one line on standard error, and the window opens.
quit
head -c 400 /dev/urandom >"$XDG_CONFIG_HOME/velmora/velmora.ini"
start
lines=$(grep -c 'velmora.ini' "$E2E_TMP/app.log" || true)
[ "$lines" = 1 ] || e2e_fail "a damaged settings file gave $lines lines about it"
e2e_wait_for "the window at its layout's size" 10 sized "${client_size[@]}"
e2e_log "a damaged settings file was passed over"
# The next change replaces it with a good one: the size is remembered again.
e2e_key "$wid" ctrl+equal
e2e_wait_for "the window a step larger" 10 sized 1270 918
quit
start
e2e_wait_for "the larger size remembered after a damaged settings file" 10 sized 1270 918
lines=$(grep -c 'velmora.ini' "$E2E_TMP/app.log" || true)
[ "$lines" = 0 ] || e2e_fail "the replaced settings file still gave $lines lines about it"
e2e_log "the damaged settings file was replaced by a good one at the next change"
quit

# Asked for four times its size, which no screen of 1920 × 1080 holds, it starts at the largest
# size that fits, frame and all.
start --scale 4
e2e_wait_for "the window started at --scale 4 inside the screen (x y width height)" 10 on_screen
e2e_log "--scale 4 started at the largest size that fits: $E2E_SEEN"

# Near the screen's lower right corner, made a step larger and given the phasor diagram, the
# window comes back onto the screen whole.
e2e_key "$wid" ctrl+0
e2e_wait_for "the window at its layout's size" 10 sized "${client_size[@]}"
xdotool windowmove --sync "$wid" 850 300
e2e_key "$wid" ctrl+equal
e2e_wait_for "the window a step larger" 10 sized 1270 918
e2e_wait_for "the larger window inside the screen (x y width height)" 10 on_screen
e2e_key "$wid" v
e2e_wait_for "the window with the diagram inside the screen (x y width height)" 10 on_screen
e2e_log "grown near the corner, the window stayed on the screen: $E2E_SEEN"
quit
