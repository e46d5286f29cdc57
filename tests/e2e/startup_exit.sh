#!/usr/bin/env bash
# The program starts with its window of 1016 × 734 pixels and the focus on "Выход": Space ends
# it with status 0. Without any display it says so in one line and ends with status 1.
set -euo pipefail

program=${1:?usage: startup_exit.sh PATH_TO_VELMORA}
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$here/points.sh"
e2e_require Xvfb xdotool xwininfo

# No display at all: one line of explanation, status 1, no abort.
status=0
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1) || status=$?
[ "$status" -eq 1 ] || e2e_fail "without a display the status is $status, not 1: $output"
if [ -z "$output" ] || [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ]; then
    e2e_fail "without a display the program should print one line, it printed: $output"
fi
e2e_log "without a display: $output"

# On a private X server.
e2e_start_xvfb
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)
size=$(e2e_window_size "$wid")
[ "$size" = "${client_size[*]}" ] || e2e_fail "client area is $size, not ${client_size[*]}"
e2e_log "window $wid, client area $size"

e2e_key "$wid" space
e2e_wait_exit "the program ending on Space on \"Выход\"" 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS after Space on \"Выход\""
e2e_log "Space ended the program with status 0"
