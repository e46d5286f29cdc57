#!/usr/bin/env bash
# Runs the demonstration benchmark in a virtual X display, for the default settings and for the
# fastest, strongest ones.
set -euo pipefail
bench=${1:?usage: bench.sh path/to/velmora_bench}
seconds=${BENCH_SECONDS:-10}

display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
done
Xvfb ":${display}" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display}" ] && break
    sleep 0.1
done

export DISPLAY=":${display}" QT_QPA_PLATFORM=xcb
echo "Default settings:"
"$bench" "$seconds" 5 5 1
echo
echo "Mode 9, sldU 10, sldL 1:"
"$bench" "$seconds" 9 10 1
