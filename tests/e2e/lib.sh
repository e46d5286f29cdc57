# shellcheck shell=bash
# Helpers for running the real program on a private X server: the end-to-end tests and the tools
# that take pictures or measure it. Source this file from a bash script.
#
#   e2e_require TOOL...             skip the test (status 77) unless every tool is installed
#   e2e_start_xvfb [WxH]            start Xvfb on a free display, export DISPLAY, stop it on exit
#   e2e_start_wm                    start a window manager on it (full screen and maximized need one)
#   e2e_start_app PROGRAM [ARGS]    start the program on that display; sets E2E_APP_PID
#   e2e_wait_for WHAT SECS CMD...   run CMD until it succeeds; after SECS fail, naming WHAT
#   e2e_find_window TITLE [SECS]    print the id of the visible top-level window of that title
#   e2e_window_size WID             print "WIDTH HEIGHT" of the window's client area
#   e2e_key WID KEY...              give the window the keyboard focus and type the keys
#   e2e_click WID X Y               click the left button at X, Y of the window
#   e2e_shot WID PNG                save what the window shows as a PNG picture
#   e2e_regions PNG GEOMETRY...     print the colours in regions of the picture, a line a region
#   e2e_count LINE RRGGBB           print how many pixels of that colour a region's line counts
#   e2e_wait_exit WHAT SECS         wait for the program to end; sets E2E_STATUS
#   e2e_sanitizer_report            succeed if the program's output holds a sanitizer's report
#   e2e_fail MESSAGE                report a failure, with the program's output, and stop
#
# A condition given to e2e_wait_for may set E2E_SEEN to what it last saw; a failure shows it.

# shellcheck disable=SC2034  # E2E_STATUS is for the sourcing script
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
# The program keeps a teacher's choices (size, language) in the user's settings: each run here
# starts with none, and leaves the user's own alone.
export XDG_CONFIG_HOME="$E2E_TMP/config"
# The files of the running session (one window a session) go to a runtime folder of the run's own.
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
E2E_XVFB_PID=
E2E_APP_PID=
E2E_WM_PID=
E2E_WID=
E2E_STATUS=
E2E_SEEN=

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

# CTest counts status 77 as skipped (the tests are registered with SKIP_RETURN_CODE 77).
e2e_require() {
    local tool missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "SKIP: not installed: ${missing[*]} (make deps installs what is missing)" >&2
        exit 77
    fi
}

e2e_running() {
    [ -n "$1" ] && kill -0 "$1" 2>/dev/null
}

# Stops what this script started, by process id, and removes its files.
e2e_cleanup() {
    local pid
    for pid in "$E2E_APP_PID" "$E2E_WM_PID" "$E2E_XVFB_PID"; do
        if e2e_running "$pid"; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# Polls: every failed try costs a tenth of a second more, so a state that is there at once is
# seen at once, and a slow machine still gets the whole of SECS.
e2e_wait_for() {
    local what=$1 seconds=$2 deadline
    shift 2
    deadline=$((SECONDS + seconds))
    E2E_SEEN=
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            e2e_fail "$what: not within ${seconds}s${E2E_SEEN:+ (last seen: $E2E_SEEN)}"
        fi
        sleep 0.1
    done
}

e2e_display_reported() {
    [ -n "$(head -n 1 "$E2E_TMP/display" 2>/dev/null)" ] && return 0
    if ! e2e_running "$E2E_XVFB_PID"; then
        cat "$E2E_TMP/xvfb.log" >&2
        e2e_fail "Xvfb ended without starting"
    fi
    return 1
}

# Xvfb chooses a free display number itself and reports it on a descriptor once it accepts
# connections, so concurrent tests never race for the same number. Without -noreset it would
# reset whenever its last client leaves (a setxkbmap before the program starts, a program that
# ended before the next one starts) and refuse connections while it does.
e2e_start_xvfb() {
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1280x900}x24" -nolisten tcp \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_wait_for "Xvfb reporting its display" 10 e2e_display_reported
    DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    e2e_log "Xvfb on $DISPLAY"
}

e2e_wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
e2e_start_wm() {
    openbox >"$E2E_TMP/wm.log" 2>&1 &
    E2E_WM_PID=$!
    e2e_wait_for "the window manager" 10 e2e_wm_ready
}

# Runs in this shell, not in a subshell, so that e2e_wait_exit can collect its exit status.
e2e_start_app() {
    "$@" >"$E2E_TMP/app.log" 2>&1 &
    E2E_APP_PID=$!
    e2e_log "started $1 as $E2E_APP_PID"
}

e2e_window_titled() {
    E2E_WID=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$E2E_WID" ]
}

e2e_find_window() {
    local title=$1 seconds=${2:-10}
    e2e_wait_for "a visible window titled \"$title\"" "$seconds" e2e_window_titled "$title"
    echo "$E2E_WID"
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

# No --sync: it waits for the pointer to move, and when the pointer already stands on the point
# (a second click at the same place) xdotool gives up only after 15 s. The server takes the
# motion before the click either way.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# When the window is already gone, import waits for one to be picked with the pointer, which
# never comes on a private server: the time limit ends that wait as a failure.
e2e_shot() {
    timeout 10 import -window "$1" "$2"
}

# One ImageMagick call for all the regions, however many there are. Each region's line lists the
# colours in it with the number of its pixels that show each: "RRGGBB:COUNT ...".
e2e_regions() {
    local png=$1 region crops=()
    shift
    for region in "$@"; do
        crops+=('(' -clone 0 -crop "$region" ')')
    done
    convert "$png" -depth 8 "${crops[@]}" -delete 0 -format 'region\n%c' histogram:info:- |
        awk '$0 == "region" { if (n++) print line; line = ""; next }
             { for (i = 2; i <= NF; i++) if ($i ~ /^#/) colour = substr($i, 2)
               line = line (line == "" ? "" : " ") colour ":" ($1 + 0) }
             END { if (n) print line }'
}

# How many pixels of a region show a colour, from the region's line of e2e_regions.
e2e_count() {
    local entry
    for entry in $1; do
        if [ "${entry%%:*}" = "$2" ]; then
            echo "${entry#*:}"
            return 0
        fi
    done
    echo 0
}

e2e_ended() {
    ! e2e_running "$E2E_APP_PID"
}

# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (a build by `make sanitize`).
e2e_sanitizer_report() {
    grep -Eq 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$E2E_TMP/app.log"
}

e2e_wait_exit() {
    e2e_wait_for "$1" "$2" e2e_ended
    E2E_STATUS=0
    wait "$E2E_APP_PID" || E2E_STATUS=$?
}
