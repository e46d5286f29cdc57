#!/usr/bin/env bash
# make web-test: the page of BUILD_DIR in a headless Chromium, against the Linux build's window.
#
#   tools/web/test.sh BUILD_DIR HOST_BUILD_DIR
#
# The Linux program's window at rest, in Russian and in English, is taken on a private X server;
# then BUILD_DIR is served on 127.0.0.1 and test_page.py drives the page (tools/web/test_page.py).
set -euo pipefail

build=$(realpath "${1:?usage: test.sh BUILD_DIR HOST_BUILD_DIR}")
host=$(realpath "${2:?usage: test.sh BUILD_DIR HOST_BUILD_DIR}")
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$repo/tests/e2e/lib.sh"
e2e_require Xvfb xdotool import compare chromium chromedriver
started=$SECONDS

# The window at rest: the same picture twice in a row, so nothing is still being drawn.
same_twice() {
    local next=${1%.png}-next.png
    e2e_shot "$E2E_WID" "$next"
    if [ -f "$1" ] && cmp -s "$1" "$next"; then
        rm "$next"
        return 0
    fi
    mv "$next" "$1"
    return 1
}
shoot_linux() {
    local language=$1
    local launched
    launched=$(date +%s%N)
    e2e_start_app "$host/velmora" --lang "$language"
    e2e_find_window Velmora 60 >/dev/null
    echo "web-test: the Linux window ($language) $((($(date +%s%N) - launched) / 1000000)) ms after its start" >&2
    e2e_wait_for "the Linux window at rest ($language)" 20 same_twice "$E2E_TMP/linux-$language.png"
    kill "$E2E_APP_PID"
    wait "$E2E_APP_PID" || true
}
e2e_start_xvfb 1280x900
shoot_linux ru
shoot_linux en

# A free port, chosen by the system.
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build" >"$E2E_TMP/server.log" 2>&1 &
E2E_APP_PID=$!
/usr/bin/python3 "$here/test_page.py" "http://127.0.0.1:$port/" "$E2E_TMP"
echo "web-test: passed in $((SECONDS - started)) s" >&2
