#!/usr/bin/env bash
# The demonstration as a teacher works it, with real clicks: the switch starts it (yellow switch,
# glowing wires), "Графики" shows the three curves being traced, the switch again returns
# everything to rest, and "Выход" pressed during a run ends the program with status 0.
set -euo pipefail

program=${1:?usage: live_demo.sh PATH_TO_VELMORA}
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$here/points.sh"
e2e_require Xvfb xdotool xwininfo import convert

# "R,G,B" of an RRGGBB colour.
rgb() {
    echo "$((16#${1:0:2})),$((16#${1:2:2})),$((16#${1:4:2}))"
}

# A fresh screenshot of the window, read in one go: sets face and wire, the colours of the
# switch's face and of a wire segment, and blue, red and black, the pixels of the curve colours in
# the voltage, current and power bands.
look() {
    local png="$E2E_TMP/shot.png" regions
    e2e_shot "$wid" "$png" || return 1
    mapfile -t regions < <(e2e_regions "$png" \
        "1x1+${power_switch_face[0]}+${power_switch_face[1]}" \
        "1x1+${wire_probe[0]}+${wire_probe[1]}" "$voltage_band" "$current_band" "$power_band")
    [ ${#regions[@]} -eq 5 ] || return 1
    face=$(rgb "${regions[0]%%:*}")
    wire=$(rgb "${regions[1]%%:*}")
    blue=$(e2e_count "${regions[2]}" 0000FF)
    red=$(e2e_count "${regions[3]}" FF0000)
    black=$(e2e_count "${regions[4]}" 000000)
    E2E_SEEN="switch $face, wire $wire, curve pixels $blue blue $red red $black black"
}

# What the checks wait for, each on a fresh look.
at_rest() {
    look && [ "$face" = 192,192,192 ] && [ "$wire" = 255,255,255 ]
}
switched_on() {
    look && [ "$face" = 255,255,0 ]
}
glowing() {  # red 255, green = blue below 255
    local r g b
    look && IFS=, read -r r g b <<<"$wire" && [ "$r" -eq 255 ] && [ "$g" -eq "$b" ] &&
        [ "$g" -lt 250 ]
}
curves_traced() {
    look && [ "$blue" -gt 60 ] && [ "$red" -gt 60 ]
}
curves_erased() {
    at_rest && [ "$blue" -le 36 ] && [ "$red" -le 36 ]
}
power_curve_traced() {
    switched_on && [ "$black" -gt $((rest_black + 30)) ]
}

e2e_start_xvfb
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)

e2e_wait_for "the switch light grey and the wires white at start" 10 at_rest

# Switch on: yellow, and the wires glow within a few frames.
e2e_click "$wid" "${power_switch[@]}"
e2e_wait_for "the switch yellow after the click" 10 switched_on
e2e_wait_for "the wires glowing" 10 glowing
e2e_log "switch yellow, wire glowing at $wire"

# The curves: blue in the voltage band, red in the current band.
e2e_click "$wid" "${graphs_button[@]}"
e2e_wait_for "a voltage curve and a current curve (more than 60 blue and red pixels)" 10 \
    curves_traced
e2e_log "curve pixels: $blue blue, $red red, $black black"

# Switch off: the rest state, with the graphs erased and the pens at their origins.
e2e_click "$wid" "${power_switch[@]}"
e2e_wait_for "the rest state with the voltage and current curves erased" 10 curves_erased
rest_black=$black
e2e_log "at rest: $blue blue, $red red, $black black"

# Running again, the power curve adds black to its band. The rest state's count is known only
# now, so this run is the one that shows it, whatever the speed of the machine. A press on the
# switch within the double-click time of the last one (400 ms) would be the second click of a
# double click, which starts nothing: that time is let pass first.
sleep 0.5
e2e_click "$wid" "${power_switch[@]}"
e2e_wait_for "a power curve (more than $((rest_black + 30)) black pixels, the switch yellow)" 10 \
    power_curve_traced
e2e_log "running again: $black black"

# "Выход" ends the program at once, from inside the run.
e2e_click "$wid" "${exit_button[@]}"
e2e_wait_exit "the program ending on \"Выход\" during a run" 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS after \"Выход\" during a run"
e2e_log "\"Выход\" during a run ended the program with status 0"
