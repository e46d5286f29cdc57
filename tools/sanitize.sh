#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer and runs them all.
#
#   tools/sanitize.sh BUILD_DIR COMPILER SANITIZER_FLAGS
#
# A finding of either sanitizer ends the test that made it with a failure. Leak reports are
# suppressed only for the libraries' own allocations listed in tools/lsan.supp.
set -euo pipefail
build=${1:?usage: sanitize.sh BUILD_DIR COMPILER SANITIZER_FLAGS}
compiler=${2:?usage: sanitize.sh BUILD_DIR COMPILER SANITIZER_FLAGS}
sanitizers=${3:?usage: sanitize.sh BUILD_DIR COMPILER SANITIZER_FLAGS}
cd "$(dirname "$0")/.."
root=$PWD

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON \
    -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" -j "${JOBS:-2}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=1
cd "$build"
ctest --output-on-failure -j "${JOBS:-2}"
