# shellcheck shell=bash
# Helpers for end-to-end tests of the real program on a private X server. Source this file from
# a bash script; it needs Xvfb, xdotool and xwininfo (x11-utils).
#
#   e2e_start_xvfb                  start Xvfb on a free display, export DISPLAY, stop it on exit
#   e2e_start_app PROGRAM [ARGS]    start the program on that display; sets E2E_APP_PID
#   e2e_find_window TITLE [SECS]    print the id of the visible top-level window of that title
#   e2e_window_size WID             print "WIDTH HEIGHT" of the window's client area
#   e2e_key WID KEY...              give the window the keyboard focus and type the keys
#   e2e_click WID X Y               click the left button at X, Y of the window
#   e2e_wait_exit PID SECS          wait for the program to end; sets E2E_STATUS (124: timeout)
#   e2e_fail MESSAGE                report a failure, with the program's output, and stop

# shellcheck disable=SC2034  # E2E_STATUS is for the sourcing script
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
E2E_XVFB_PID=
E2E_APP_PID=
E2E_STATUS=

e2e_log() {
    echo "e2e: $*" >&2
}

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -s "$E2E_TMP/app.log" ]; then
        echo "--- program output ---" >&2
        cat "$E2E_TMP/app.log" >&2
    fi
    exit 1
}

e2e_running() {
    [ -n "$1" ] && kill -0 "$1" 2>/dev/null
}

# Stops what this script started, by process id, and removes its files.
e2e_cleanup() {
    local pid
    for pid in "$E2E_APP_PID" "$E2E_XVFB_PID"; do
        if e2e_running "$pid"; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$E2E_TMP"
}

# Xvfb chooses a free display number itself and reports it on a descriptor once it accepts
# connections, so concurrent tests never race for the same number.
e2e_start_xvfb() {
    local number=''
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    for _ in $(seq 100); do
        number=$(head -n 1 "$E2E_TMP/display" 2>/dev/null || true)
        [ -n "$number" ] && break
        e2e_running "$E2E_XVFB_PID" || break
        sleep 0.1
    done
    if [ -z "$number" ]; then
        cat "$E2E_TMP/xvfb.log" >&2
        e2e_fail "Xvfb did not start"
    fi
    export DISPLAY=":$number"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    e2e_log "Xvfb on $DISPLAY"
}

# Runs in this shell, not in a subshell, so that e2e_wait_exit can collect its exit status.
e2e_start_app() {
    "$@" >"$E2E_TMP/app.log" 2>&1 &
    E2E_APP_PID=$!
    e2e_log "started $1 as $E2E_APP_PID"
}

e2e_find_window() {
    local title=$1 seconds=${2:-10} wid=''
    for _ in $(seq $((seconds * 10))); do
        wid=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$wid" ]; then
            echo "$wid"
            return 0
        fi
        sleep 0.1
    done
    xwininfo -root -tree >&2 || true
    e2e_fail "no visible window titled \"$title\" within ${seconds}s"
}

e2e_window_size() {
    xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w, h }'
}

# There is no window manager under Xvfb: the focus is set on the window directly, then the keys
# go through the X server's test extension like a real keyboard's.
e2e_key() {
    local wid=$1
    shift
    xdotool windowfocus --sync "$wid"
    xdotool key --delay 50 "$@"
}

e2e_click() {
    xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}

e2e_wait_exit() {
    local pid=$1 seconds=$2
    for _ in $(seq $((seconds * 10))); do
        if ! e2e_running "$pid"; then
            E2E_STATUS=0
            wait "$pid" || E2E_STATUS=$?
            return 0
        fi
        sleep 0.1
    done
    E2E_STATUS=124
    return 1
}
