#!/usr/bin/env bash
# The demonstration as a teacher works it, with real clicks: the switch starts it (yellow switch,
# glowing wires), "Графики" shows the three curves being traced, the switch again returns
# everything to rest, and "Выход" pressed during a run ends the program with status 0.
set -euo pipefail

program=${1:?usage: live_demo.sh PATH_TO_VELMORA}
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

# Points of the window, in pixels (twips ÷ 15).
switch_x=500 switch_y=290        # centre of the power switch picOn
switch_face_x=492 switch_face_y=282  # inside its border, clear of the power symbol
wire_x=33 wire_y=500             # on the left wire segment pictok(3)
graphs_x=788 graphs_y=96         # "Графики"
exit_x=796 exit_y=686            # "Выход"

shot() {
    import -window "$wid" "$E2E_TMP/$1.png"
}

pixel() {  # pixel SHOT X Y: "R,G,B"
    convert "$E2E_TMP/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p' | head -n 1
}

count() {  # count SHOT W H X Y HEXCOLOUR: pixels of exactly that colour in the rectangle
    convert "$E2E_TMP/$1.png" -crop "$2x$3+$4+$5" +repage -depth 8 txt:- | grep -c "#$6" || true
}

curves() {  # curves SHOT: "BLUE RED BLACK", the curve colours in the voltage, current, power bands
    echo "$(count "$1" 400 134 590 129 0000FF) $(count "$1" 400 170 590 263 FF0000)" \
        "$(count "$1" 400 212 590 447 000000)"
}

e2e_start_xvfb
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)

shot rest
[ "$(pixel rest $switch_face_x $switch_face_y)" = "192,192,192" ] ||
    e2e_fail "the switch is not light grey at start: $(pixel rest $switch_face_x $switch_face_y)"
[ "$(pixel rest $wire_x $wire_y)" = "255,255,255" ] || e2e_fail "the wires are not white at start"

# Switch on: yellow, and the wires glow (red 255, green = blue below 255) within a few frames.
e2e_click "$wid" $switch_x $switch_y
sleep 0.5
shot on
[ "$(pixel on $switch_face_x $switch_face_y)" = "255,255,0" ] ||
    e2e_fail "the switch is not yellow after the click: $(pixel on $switch_face_x $switch_face_y)"
glowing=
for i in $(seq 20); do
    shot "glow$i"
    IFS=, read -r r g b <<<"$(pixel "glow$i" $wire_x $wire_y)"
    if [ "$r" -eq 255 ] && [ "$g" -eq "$b" ] && [ "$g" -lt 250 ]; then
        glowing=$r,$g,$b
        break
    fi
    sleep 0.1
done
[ -n "$glowing" ] || e2e_fail "the wires never glowed"
e2e_log "switch yellow, wire glowing at $glowing"

# The curves: blue in the voltage band, red in the current band, black in the power band.
e2e_click "$wid" $graphs_x $graphs_y
sleep 2
shot graphs
read -r blue red black <<<"$(curves graphs)"
e2e_log "curve pixels: $blue blue, $red red, $black black"
[ "$blue" -gt 60 ] || e2e_fail "no voltage curve ($blue blue pixels)"
[ "$red" -gt 60 ] || e2e_fail "no current curve ($red red pixels)"

# Switch off: the rest state, with the graphs erased and the pens at their origins.
e2e_click "$wid" $switch_x $switch_y
sleep 0.5
shot off
[ "$(pixel off $switch_face_x $switch_face_y)" = "192,192,192" ] ||
    e2e_fail "the switch is not light grey after the second click"
[ "$(pixel off $wire_x $wire_y)" = "255,255,255" ] || e2e_fail "the wires are not white at rest"
read -r rest_blue rest_red rest_black <<<"$(curves off)"
e2e_log "at rest: $rest_blue blue, $rest_red red, $rest_black black"
[ "$rest_blue" -le 36 ] || e2e_fail "the voltage curve was not erased ($rest_blue blue pixels)"
[ "$rest_red" -le 36 ] || e2e_fail "the current curve was not erased ($rest_red red pixels)"
[ "$black" -gt $((rest_black + 30)) ] ||
    e2e_fail "no power curve ($black black pixels running, $rest_black at rest)"

# Running again, "Выход" ends the program at once, from inside the run.
e2e_click "$wid" $switch_x $switch_y
sleep 0.5
e2e_click "$wid" $exit_x $exit_y
e2e_wait_exit "$E2E_APP_PID" 5 || e2e_fail "still running 5 s after \"Выход\" during a run"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS after \"Выход\" during a run"
e2e_log "\"Выход\" during a run ended the program with status 0"
