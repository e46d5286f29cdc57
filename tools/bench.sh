#!/usr/bin/env bash
# Runs the demonstration benchmark in a virtual X display, for the default settings and for the
# fastest, strongest ones.
set -euo pipefail
bench=${1:?usage: bench.sh path/to/velmora_bench}
seconds=${BENCH_SECONDS:-10}

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_require Xvfb
e2e_start_xvfb

export QT_QPA_PLATFORM=xcb
echo "Default settings:"
"$bench" "$seconds" 5 5 1
echo
echo "Mode 9, sldU 10, sldL 1:"
"$bench" "$seconds" 9 10 1
