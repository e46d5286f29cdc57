#!/usr/bin/env bash
# The program starts with its window of 1016 × 734 pixels and the focus on "Выход": Space ends
# it with status 0, and it leaves no file of its session behind, also after a start that a crash
# ended had left its files. Without any display, with one that no server answers, or with a display but
# a toolkit that cannot open it, it says which in one line and ends with status 1.
set -euo pipefail

program=${1:?usage: startup_exit.sh PATH_TO_VELMORA}
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$here/points.sh"
e2e_require Xvfb xdotool xwininfo

# One line of explanation that names the cause, and status 1, no abort: run with the
# environment given.
expect_one_line_and_status_1() {
    local what=$1 cause=$2 status=0 output
    shift 2
    output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1) || status=$?
    [ "$status" -eq 1 ] || e2e_fail "$what the status is $status, not 1: $output"
    if [ -z "$output" ] || [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ]; then
        e2e_fail "$what the program should print one line, it printed: $output"
    fi
    [[ "$output" == *"$cause"* ]] || e2e_fail "$what the line does not say \"$cause\": $output"
    e2e_log "$what: $output"
}

# A display number that no X server holds: neither its lock file nor its socket exists.
unserved_display() {
    local n=4242
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do
        n=$((n + 1))
    done
    echo ":$n"
}

expect_one_line_and_status_1 "without a display" "нет дисплея" -u DISPLAY
unserved=$(unserved_display)
expect_one_line_and_status_1 "with a display no server answers" "дисплей «$unserved» недоступен" \
    DISPLAY="$unserved"

# On a private X server.
e2e_start_xvfb
expect_one_line_and_status_1 "with a display and a platform plugin that does not exist" \
    'Could not find the Qt platform plugin "bogus"' QT_QPA_PLATFORM=bogus
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)
size=$(e2e_window_size "$wid")
[ "$size" = "${client_size[*]}" ] || e2e_fail "client area is $size, not ${client_size[*]}"
e2e_log "window $wid, client area $size"

e2e_key "$wid" space
e2e_wait_exit "the program ending on Space on \"Выход\"" 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS after Space on \"Выход\""
e2e_log "Space ended the program with status 0"

# The files of the session are gone with it; a start after a crash takes over the ones the crash
# left, and ends leaving none.
session_files() {
    find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'velmora-*' -printf '%f '
}
left=$(session_files)
[ -z "$left" ] || e2e_fail "the program left files of its session: $left"
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)
kill -KILL "$E2E_APP_PID"
wait "$E2E_APP_PID" 2>/dev/null || true
[ -n "$(session_files)" ] || e2e_fail "the crashed start left no files to take over"
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)
e2e_key "$wid" space
e2e_wait_exit "the start after a crash ending on Space" 5
left=$(session_files)
[ -z "$left" ] || e2e_fail "after a crash, the next start left files of its session: $left"
e2e_log "no files of the session left behind, also after a crash"
