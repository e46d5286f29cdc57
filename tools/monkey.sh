#!/usr/bin/env bash
# Seeded random input on the real program in a private X server, for a given time: clicks
# anywhere, double and triple clicks on the switch, "Графики", keys (the classroom's among them:
# P, [, ], Backspace, Ctrl+C, the size's Ctrl+Plus, Ctrl+Minus, Ctrl+0 and F11, V for the
# phasor diagram, L, C and R for the elements and 3 for the three compared, during runs and
# pauses alike), right clicks with a choice from the menu or none, F1 and the help
# window, Ctrl+S with the save dialog cancelled, and now and then "Выход" or the close box, the
# program started again whenever it ends.
#
#   tools/monkey.sh PROGRAM [SECONDS] [SEED] [CLOSE_BOX] [REPAINTED]
#
# SECONDS defaults to 60, SEED to a fresh one (printed, so that a failing run can be replayed);
# CLOSE_BOX and REPAINTED are the tests' close_box and repainted tools (without the one the close
# box is left out, without the other the repaint check). It fails on a crash (an end by a signal,
# or any status but 0), a sanitizer's report in the program's output, a hang (no repaint of the
# window within 2 s of an expose, a click on "Графики" that does not show or hide the graphs
# within 2 s, F1 or Ctrl+S without the help window or the save dialog within 5 s, Escape that does
# not close the dialog within 2 s) and an exit that does not come within 2 s of "Выход" or the close box. At the end it reports
# the rounds, the exits by status and the peak resident memory of any round.
set -euo pipefail

program=${1:?usage: monkey.sh PROGRAM [SECONDS] [SEED] [CLOSE_BOX] [REPAINTED]}
seconds=${2:-60}
seed=${3:-$(date +%s)}
close_box=${4:-}
repainted=${5:-}
e2e=$(dirname "$0")/../tests/e2e
# shellcheck source=tests/e2e/lib.sh
source "$e2e/lib.sh"
# shellcheck source=tests/e2e/points.sh
source "$e2e/points.sh"
e2e_require Xvfb xdotool import convert
if [ -n "$close_box" ] && [ ! -x "$close_box" ]; then
    e2e_log "no close_box tool at $close_box: the close box is left out"
    close_box=
fi
if [ -n "$repainted" ] && [ ! -x "$repainted" ]; then
    e2e_log "no repainted tool at $repainted: the repaint check is left out"
    repainted=
fi

readonly keys=(Tab shift+Tab Left Right Up Down Home End Prior Next Escape
    a b c d e f g h i j k l m n o p q r s t u v w x y z F2 F3 F4 F5 F6 F7 F8 F9 F10 F12
    p p bracketleft bracketleft bracketright BackSpace ctrl+c ctrl+plus ctrl+minus ctrl+0 F11
    l c r 3 3 v)
readonly help_title='Velmora — справка'
readonly save_title='Сохранить картинку окна'
# Part of the graph area that the curtain covers whole, clear of the graph axes.
readonly graph_probe=(30 30 940 250)
readonly hang_ms=2000
readonly open_ms=5000 # a window made the first time: the help, the save dialog

RANDOM=$seed
rounds=0
actions=0
probes=0
peak_kb=0
declare -A exits=()
wid=

# Milliseconds on the shell's clock, into `now`.
clock_ms() {
    now=$((${EPOCHREALTIME//[!0-9]/} / 1000))
}

# A whole number from 0 to $1 - 1, into `pick`. Drawn in this shell, so the seed decides them all.
draw() {
    pick=$((RANDOM % $1))
}

# The window's scale now, as a fraction num/734: its height against the layout's (the phasor
# diagram widens it, and no window manager makes it full screen), into `num`.
window_scale() {
    num=$(e2e_window_size "$wid" 2>/dev/null | cut -d' ' -f2)
    [ -n "$num" ] || num=${client_size[1]}
}

# A point of the layout where the window's scale puts it, into `sx` and `sy`.
scaled() {
    window_scale
    sx=$(($1 * num / client_size[1]))
    sy=$(($2 * num / client_size[1]))
}

# Clicks (button, then xdotool's click options) at a point of the layout.
click_at() {
    scaled "$1" "$2"
    shift 2
    xdotool mousemove --window "$wid" "$sx" "$sy" click "$@" 2>/dev/null || true
}

# A point of the client area, into `x` and `y`.
draw_point() {
    draw "${client_size[0]}"
    x=$pick
    draw "${client_size[1]}"
    y=$pick
}

app_running() {
    e2e_running "$E2E_APP_PID"
}

note_peak_memory() {
    local kb
    kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$E2E_APP_PID/status" 2>/dev/null || true)
    if [ -n "$kb" ] && [ "$kb" -gt "$peak_kb" ]; then
        peak_kb=$kb
    fi
}

# The window of this round's program: by its process and a title that begins "Velmora" (the
# title says more while the demonstration is paused or slowed).
own_window() {
    wid=$(xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name '^Velmora' 2>/dev/null |
        head -n 1 || true)
    [ -n "$wid" ]
}

start_round() {
    rounds=$((rounds + 1))
    e2e_start_app "$program"
    e2e_wait_for "round $rounds: the program's window" 20 own_window
}

# Whether the curtain covers the graphs now: one colour all over the probe. Fails when there is
# no picture to take (the program has ended).
read_curtain() {
    local png="$E2E_TMP/probe.png" region
    e2e_shot "$wid" "$png" 2>/dev/null || return 1
    scaled "${graph_probe[2]}" "${graph_probe[3]}"
    region=$(e2e_regions "$png" "${graph_probe[0]}x${graph_probe[1]}+$sx+$sy") || return 1
    [ -n "$region" ] || return 1
    if [ "${region// /}" = "$region" ]; then
        curtain=shown
    else
        curtain=hidden
    fi
}

# A visible window of this round's program with the given title, into `found`.
find_titled() {
    found=$(xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name "^$1\$" 2>/dev/null |
        head -n 1 || true)
    [ -n "$found" ]
}

# Waits up to the milliseconds given for the window of that title to appear (`appear`) or to be
# gone (`vanish`).
await_window() {
    local change=$1 title=$2 limit=$3 what=$4 start
    clock_ms
    start=$now
    while app_running; do
        if find_titled "$title"; then
            [ "$change" = appear ] && return 0
        elif [ "$change" = vanish ]; then
            return 0
        fi
        clock_ms
        if [ $((now - start)) -gt "$limit" ]; then
            e2e_fail "round $rounds: hang: $what (seed $seed)"
        fi
        sleep 0.05
    done
}

# Cancels the save dialog with Escape if it shows within $1 tenths of a second; it must be gone
# 2 s later.
cancel_save_dialog() {
    local tries=$1
    until find_titled "$save_title"; do
        tries=$((tries - 1))
        { [ "$tries" -gt 0 ] && app_running; } || return 0
        sleep 0.1
    done
    xdotool windowfocus "$found" key Escape 2>/dev/null || true
    await_window vanish "$save_title" "$hang_ms" "the save dialog still open 2 s after Escape"
}

# No save dialog is left open, and the help window is moved beside the program's, where it covers
# nothing of it (the private X server has no window manager to place it).
tidy() {
    cancel_save_dialog 1
    if find_titled "$help_title"; then
        local width
        width=$(e2e_window_size "$wid" 2>/dev/null | cut -d' ' -f1)
        xdotool windowmove "$found" "$((${width:-${client_size[0]}} + 10))" 0 2>/dev/null || true
    fi
}

# A program that still draws repaints what an expose uncovers of its window, and shows or hides
# the graphs at a click on "Графики".
probe() {
    local before start status=0
    probes=$((probes + 1))
    xdotool windowfocus "$wid" key Escape 2>/dev/null || true # a menu left open
    if [ -n "$repainted" ]; then
        "$repainted" "$wid" "$hang_ms" || status=$?
        if [ "$status" -eq 1 ] && app_running; then
            e2e_fail "round $rounds: hang: no repaint of the window within ${hang_ms} ms" \
                "(seed $seed)"
        fi
    fi
    read_curtain || return 0
    before=$curtain
    app_running || return 0
    click_at "${graphs_button[@]}" 1
    clock_ms
    start=$now
    while :; do
        app_running || return 0
        if read_curtain && [ "$curtain" != "$before" ]; then
            note_peak_memory
            return 0
        fi
        clock_ms
        if [ $((now - start)) -gt "$hang_ms" ]; then
            e2e_fail "round $rounds: hang: the curtain over the graphs stayed $before" \
                "${hang_ms} ms after a click on \"Графики\" (seed $seed)"
        fi
        sleep 0.05
    done
}

# "Выход" or the close box: the program must be gone within 2 s.
expect_exit() {
    local how=$1 start
    clock_ms
    start=$now
    while app_running; do
        clock_ms
        if [ $((now - start)) -gt "$hang_ms" ]; then
            e2e_fail "round $rounds: still running ${hang_ms} ms after $how (seed $seed)"
        fi
        sleep 0.05
    done
}

# One random action. The program may end during any of them; xdotool then finds no window and
# its failure is of no interest.
act() {
    local x y n i chosen=()
    actions=$((actions + 1))
    draw 100
    if [ "$pick" -lt 30 ]; then
        draw_point
        click_at "$x" "$y" 1
    elif [ "$pick" -lt 40 ]; then
        click_at "${power_switch[@]}" 1
    elif [ "$pick" -lt 48 ]; then
        click_at "${power_switch[@]}" --repeat 2 --delay 60 1
    elif [ "$pick" -lt 54 ]; then
        click_at "${power_switch[@]}" --repeat 3 --delay 60 1
    elif [ "$pick" -lt 60 ]; then
        click_at "${graphs_button[@]}" 1
    elif [ "$pick" -lt 68 ]; then
        # The context menu, and by the keyboard one of its first commands (the time's) or of its
        # last (picture and help), or none. The size and the language are left as they are, for
        # the places this script clicks.
        draw_point
        click_at "$x" "$y" 3
        sleep 0.2
        draw 7
        if [ "$pick" -lt 6 ]; then
            for ((i = 0; i <= pick % 3; i++)); do
                chosen+=("$([ "$pick" -lt 3 ] && echo Down || echo Up)")
            done
            chosen+=(Return)
        else
            chosen=(Escape)
        fi
        xdotool key --delay 30 "${chosen[@]}" 2>/dev/null || true
        cancel_save_dialog 10 # the command chosen may have been "Сохранить картинку…"
    elif [ "$pick" -lt 71 ]; then
        xdotool windowfocus "$wid" key F1 2>/dev/null || true
        await_window appear "$help_title" "$open_ms" "no help window 5 s after F1"
    elif [ "$pick" -lt 73 ]; then
        xdotool windowfocus "$wid" key ctrl+s 2>/dev/null || true
        await_window appear "$save_title" "$open_ms" "no save dialog 5 s after Ctrl+S"
    elif [ "$pick" -lt 97 ]; then
        draw 4
        n=$((pick + 1))
        for ((i = 0; i < n; i++)); do
            draw ${#keys[@]}
            chosen+=("${keys[$pick]}")
        done
        xdotool windowfocus "$wid" key --delay 30 "${chosen[@]}" 2>/dev/null || true
    elif [ "$pick" -lt 99 ] || [ -z "$close_box" ]; then
        click_at "${exit_button[@]}" 1
        expect_exit "a click on \"Выход\""
    else
        "$close_box" "$wid" 2>/dev/null || true
        expect_exit "the close box"
    fi
}

end_round() {
    local status=0 signal
    wait "$E2E_APP_PID" || status=$?
    if e2e_sanitizer_report; then
        e2e_fail "round $rounds: a sanitizer's report (seed $seed)"
    fi
    if [ "$status" -gt 128 ]; then
        signal=$(kill -l $((status - 128)) 2>/dev/null || echo "$((status - 128))")
        e2e_fail "round $rounds: the program died of SIG$signal (seed $seed)"
    fi
    [ "$status" -eq 0 ] || e2e_fail "round $rounds: exit status $status (seed $seed)"
    exits[$status]=$((${exits[$status]:-0} + 1))
}

e2e_log "seed $seed, ${seconds}s"
e2e_start_xvfb
deadline=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$deadline" ]; do
    start_round
    next_probe=$((actions + 5))
    while app_running && [ "$SECONDS" -lt "$deadline" ]; do
        act
        tidy
        draw 150
        sleep "0.$(printf '%03d' "$pick")"
        if [ "$actions" -ge "$next_probe" ]; then
            probe
            next_probe=$((actions + 5))
        fi
    done
    if app_running; then
        note_peak_memory
        click_at "${exit_button[@]}" 1
        expect_exit "a click on \"Выход\" at the end of the run"
    fi
    end_round
done

summary=
for status in "${!exits[@]}"; do
    summary+="${summary:+, }status $status: ${exits[$status]}"
done
echo "monkey: seed $seed, ${seconds}s: $rounds rounds, $actions actions, $probes hang probes; exits by status:" \
    "${summary:-none}; peak resident memory $((peak_kb / 1024)) MB"
