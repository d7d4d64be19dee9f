#!/usr/bin/env bash
# Installs what is needed, builds and runs the whole test suite:
#   1. release build, every test (GUI tests on a virtual X server);
#   2. address + undefined-behaviour sanitizer build, every test;
#   3. thread-sanitizer build of the tile render.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)

# -noreset: without it the server resets whenever the last client leaves, and
# the next test's connection can fail while it does.
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")

echo "== release build and tests"
"$root/scripts/build.sh" release
"${xvfb[@]}" ctest --test-dir "$root/build" -j"$jobs" --output-on-failure

echo "== address and undefined-behaviour sanitizers"
"$root/scripts/build.sh" asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" \
  "${xvfb[@]}" ctest --test-dir "$root/build-asan" -j"$jobs" --output-on-failure

echo "== thread sanitizer, tile render"
"$root/scripts/build.sh" tsan host_tests
TSAN_OPTIONS="halt_on_error=1:suppressions=$root/tests/tsan.supp" \
  OMP_TOOL_LIBRARIES=/usr/lib/llvm-14/lib/libarcher.so \
  ctest --test-dir "$root/build-tsan" -L threads -j"$jobs" --output-on-failure
echo "All tests passed."
