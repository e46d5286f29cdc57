#!/usr/bin/env bash
# Takes the pictures of the window in docs/: at rest, with the graphs shown, and running.
# Usage: tools/screenshots.sh path/to/velmora output-directory
#
# Runs the program on a virtual X server of its own (no window manager, so the window has no
# frame), clicks its controls with xdotool and crops each picture to the window's client area.
set -euo pipefail

program=${1:?usage: $0 path/to/velmora output-directory}
outdir=${2:?usage: $0 path/to/velmora output-directory}
mkdir -p "$outdir"

for tool in Xvfb xdotool xwininfo import; do
    command -v "$tool" >/dev/null || {
        echo "screenshots: $tool is missing (make deps installs it)" >&2
        exit 1
    }
done

# The client area is 1016 × 734 pixels; control positions below are pixels inside it.
readonly width=1016 height=734
readonly graphs_button=(788 96)   # Command4 "Графики": 564, 86, 449 × 21
readonly power_switch=(500 290)   # picOn: 488, 278, 25 × 25
readonly exit_button=(796 686)    # Command1 "Выход": 718, 674, 157 × 25
readonly aside=(1090 790)         # off the window, so no control shows a hover look

display_number=99
while [ -e "/tmp/.X${display_number}-lock" ] || [ -e "/tmp/.X11-unix/X${display_number}" ]; do
    display_number=$((display_number + 1))
done
export DISPLAY=":${display_number}"

xvfb_pid=""
program_pid=""
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1100x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
done
xwininfo -root >/dev/null 2>&1 || {
    echo "screenshots: Xvfb did not start on $DISPLAY" >&2
    exit 1
}

QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n 1) || true
[ -n "$window" ] || {
    echo "screenshots: the window did not appear" >&2
    exit 1
}
geometry=$(xwininfo -id "$window")
left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")

click() {
    xdotool mousemove $((left + $1)) $((top + $2)) click 1
}

shoot() {
    xdotool mousemove "${aside[@]}"
    sleep "$1"
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$outdir/$2"
    echo "screenshots: $outdir/$2"
}

shoot 1 velmora-rest.png
click "${graphs_button[@]}"
shoot 1 velmora-graphs.png
click "${power_switch[@]}"
shoot 3 velmora-running.png

# "Выход" ends the program, also while the demonstration runs.
click "${exit_button[@]}"
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "screenshots: the program did not end on \"Выход\"" >&2
    exit 1
fi
wait "$program_pid" || true
program_pid=""
