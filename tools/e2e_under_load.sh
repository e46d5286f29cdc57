#!/usr/bin/env bash
# Every end-to-end test, RUNS runs in a row each, while two other processes keep both cores busy
# (stress-ng --cpu 2): a test that waits for a fixed time instead of the state it needs fails
# here. Prints each test's runs and its slowest run, and fails when a run failed.
#
#   tools/e2e_under_load.sh BUILD_DIR [RUNS]
set -euo pipefail

build=$(cd "${1:?usage: e2e_under_load.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-20}
command -v stress-ng >/dev/null || {
    echo "e2e_under_load: stress-ng is missing (tools/install-deps.sh check installs it)" >&2
    exit 2
}
stress-ng --cpu 2 --timeout 0 >/dev/null 2>&1 &
load=$!
trap 'kill "$load" 2>/dev/null || true; wait "$load" 2>/dev/null || true' EXIT

tests=$(cd "$build" && ctest -N -R '^e2e_' | awk '/Test +#/ { print $3 }')
failed=0
for test in $tests; do
    slowest=0
    for ((run = 1; run <= runs; run++)); do
        started=$(date +%s%N)
        if ! (cd "$build" && ctest -R "^$test\$" --output-on-failure >"$build/e2e-under-load.log" 2>&1)
        then
            echo "$test: run $run of $runs FAILED under load"
            cat "$build/e2e-under-load.log"
            failed=1
            break
        fi
        took=$(($(date +%s%N) - started))
        ((took > slowest)) && slowest=$took
    done
    if [ "$run" -gt "$runs" ]; then
        echo "$test: $runs of $runs runs passed under load, the slowest in" \
            "$((slowest / 1000000000)).$((slowest / 100000000 % 10)) s"
    fi
done
exit "$failed"
