#!/usr/bin/env bash
# The X server goes away in the middle of a run: the program ends within a few seconds, saying
# why, with a status that is not 0 and not a death by a signal (no abort, no core dump).
set -euo pipefail

program=${1:?usage: display_lost.sh PATH_TO_VELMORA}
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$here/points.sh"
e2e_require Xvfb xdotool xwininfo import convert

# The switch's face has turned yellow: the run loop is going.
running() {
    local png="$E2E_TMP/shot.png"
    e2e_shot "$wid" "$png" &&
        E2E_SEEN=$(e2e_regions "$png" "1x1+${power_switch_face[0]}+${power_switch_face[1]}") &&
        [ "${E2E_SEEN%%:*}" = FFFF00 ]
}

e2e_start_xvfb
e2e_start_app "$program"
wid=$(e2e_find_window Velmora 15)
e2e_click "$wid" "${power_switch[@]}"
e2e_wait_for "the switch yellow after the click" 10 running

kill "$E2E_XVFB_PID"
e2e_log "stopped Xvfb during the run"
e2e_wait_exit "the program ending after its X server went away" 5
if [ "$E2E_STATUS" -eq 0 ] || [ "$E2E_STATUS" -gt 128 ]; then
    e2e_fail "the program ended with status $E2E_STATUS (0 hides the loss, above 128 is a signal)"
fi
if ! grep -q '[[:alnum:]]' "$E2E_TMP/app.log"; then
    e2e_fail "the program ended with status $E2E_STATUS without a word"
fi
if e2e_sanitizer_report; then
    e2e_fail "a sanitizer's report"
fi
e2e_log "ended with status $E2E_STATUS, saying:"
sed 's/^/    /' "$E2E_TMP/app.log" >&2
