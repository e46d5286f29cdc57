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

# Two things clang 14 reports in the scene code until that code is changed for it: a deduction
# guide that windowless.cpp lacks (an error; the guide is supplied ahead of the file while it
# has none), and a sign conversion in fonts.cpp (a warning kept visible but not fatal, and
# allowed nowhere else: see the check after the build).
flags="$sanitizers -Wno-error=sign-conversion"
if ! grep -q -- '-> *Overloaded<' src/scene/windowless.cpp; then
    flags+=" -include $root/tools/clang/overloaded_deduction_guide.h"
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON \
    -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
log="$build/build.log"
cmake --build "$build" -j "${JOBS:-2}" 2>&1 | tee "$log"
unexpected=$(grep -- '-Wsign-conversion\]' "$log" | grep -v '^[^:]*src/scene/fonts\.cpp:' || true)
if [ -n "$unexpected" ]; then
    echo "sanitize: sign conversions outside src/scene/fonts.cpp:" >&2
    echo "$unexpected" >&2
    exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=1
cd "$build"
ctest --output-on-failure -j "${JOBS:-2}"
