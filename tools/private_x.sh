#!/usr/bin/env bash
# Runs a command with a private X server of its own as its display (the benchmark, the long
# run), and ends with the command's status.
#
#   tools/private_x.sh COMMAND [ARGUMENT...]
set -euo pipefail
[ $# -gt 0 ] || {
    echo "usage: private_x.sh COMMAND [ARGUMENT...]" >&2
    exit 2
}

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_require Xvfb
e2e_start_xvfb
export QT_QPA_PLATFORM=xcb
"$@"
