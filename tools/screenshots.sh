#!/usr/bin/env bash
# Takes the pictures of the window in docs/: at rest, with the graphs shown, running, paused with
# the help window open, and at the projector: full screen on a screen of 1920 × 1080, fitted to
# one of 1280 × 720, and full screen with the phasor diagram open; then the capacitor and the
# resistor running, and the three compared with the phasor diagram, full screen.
# Usage: tools/screenshots.sh path/to/velmora output-directory
#
# Runs the program on a virtual X server of its own (no window manager, so the window has no
# frame, and a picture of the window is its client area) and clicks its controls with xdotool.
set -euo pipefail

program=${1:?usage: $0 path/to/velmora output-directory}
outdir=${2:?usage: $0 path/to/velmora output-directory}
mkdir -p "$outdir"

e2e=$(dirname "$0")/../tests/e2e
# shellcheck source=tests/e2e/lib.sh
source "$e2e/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$e2e/points.sh"
e2e_require Xvfb xdotool xwininfo import convert openbox xprop wmctrl

readonly aside=(1090 790) # a point of the screen off the window, so no control shows a hover look

e2e_start_xvfb
export QT_QPA_PLATFORM=xcb
e2e_start_app "$program"
window=$(e2e_find_window Velmora 20)

# The pauses give the picture its content (a second to settle, three of tracing the curves).
shoot() {
    xdotool mousemove "${aside[@]}"
    sleep "$1"
    e2e_shot "$window" "$outdir/$2"
    echo "screenshots: $outdir/$2"
}

shoot 1 velmora-rest.png
e2e_click "$window" "${graphs_button[@]}"
shoot 1 velmora-graphs.png
e2e_click "$window" "${power_switch[@]}"
shoot 3 velmora-running.png

# Paused, with the help window open: the two windows side by side in one picture.
paused() {
    E2E_SEEN=$(xdotool getwindowname "$window")
    [ "$E2E_SEEN" = "Velmora — пауза" ]
}
e2e_key "$window" p
e2e_wait_for "the title of a paused demonstration" 10 paused
# Without a window manager the help window opens over the main one: the paused window, which
# does not change, is taken first.
xdotool mousemove "${aside[@]}"
e2e_shot "$window" "$E2E_TMP/paused.png"
e2e_key "$window" F1
help=$(e2e_find_window "Velmora — справка" 10)
e2e_shot "$help" "$E2E_TMP/help.png"
convert "$E2E_TMP/paused.png" "$E2E_TMP/help.png" -background '#808080' -gravity north +append \
    "$outdir/velmora-classroom.png"
echo "screenshots: $outdir/velmora-classroom.png"

# "Выход" ends the program, also while the demonstration runs.
e2e_click "$window" "${exit_button[@]}"
e2e_wait_exit "the program ending on \"Выход\" during a run" 5

# At the projector, with a window manager, running with the graphs shown: the whole screen.
on_screen() {
    local pid
    for pid in "$E2E_WM_PID" "$E2E_XVFB_PID"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    e2e_start_xvfb "$1"
    e2e_start_wm
    shift
    rm -rf "$XDG_CONFIG_HOME/velmora" # each picture from a first start, not from the one before
    e2e_start_app "$program" "$@"
    window=$(e2e_find_window Velmora 20)
    xdotool windowactivate --sync "$window"
    sleep 1 # the window manager has placed and drawn the window
}
# A click on a point of the layout, wherever the window's scale puts it.
click_scaled() {
    local width
    width=$(e2e_window_size "$window" | cut -d' ' -f1)
    e2e_click "$window" "$(($1 * width / client_size[0]))" "$(($2 * width / client_size[0]))"
}
run_with_graphs() {
    click_scaled "${graphs_button[@]}"
    click_scaled "${power_switch[@]}"
}
screen_shot() {
    xdotool mousemove 0 0
    sleep 3
    timeout 10 import -window root "$outdir/$1"
    echo "screenshots: $outdir/$1"
    wmctrl -c Velmora
    e2e_wait_exit "the program ending" 10
}

on_screen 1920x1080
run_with_graphs
e2e_key "$window" F11
screen_shot velmora-full-screen.png
on_screen 1280x720 --fit
run_with_graphs
screen_shot velmora-fit-1280x720.png
on_screen 1920x1080
run_with_graphs
e2e_key "$window" v
sleep 0.5
e2e_key "$window" F11
screen_shot velmora-phasors.png
for element in capacitor resistor; do
    on_screen 1920x1080 --element "$element"
    run_with_graphs
    e2e_key "$window" F11
    screen_shot "velmora-$element.png"
done
on_screen 1920x1080
run_with_graphs
e2e_key "$window" 3
e2e_key "$window" v
sleep 0.5
e2e_key "$window" F11
screen_shot velmora-compared.png
