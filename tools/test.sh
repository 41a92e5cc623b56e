#!/usr/bin/env bash
# Builds every configuration and runs every test: the portable core natively
# with sanitizers, then the Windows suite under Wine: on the 32-bit build (the
# product) where the host runs 32-bit code, with the 64-bit build running what
# differs between the two; elsewhere all of it on the 64-bit build, and the
# 32-bit Setup.exe is still built and checked statically.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"

strict=OFF
[ -n "${CI:-}" ] && strict=ON
jobs=$(nproc)

source "$top/tools/windows-builds.sh"
choose_product_build

cmake -S "$top" -B "$top/build/native" -DCMAKE_BUILD_TYPE=Debug -DZELMORA_SANITIZE=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZELMORA_WERROR=$strict >/dev/null
cmake --build "$top/build/native" -j"$jobs"
configure_windows "$top" "$top/build/win64" x86_64 -DZELMORA_WERROR=$strict
if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
  # The 32-bit build runs the whole suite here; the 64-bit one runs only what
  # differs between the builds (label build_specific) and builds only that.
  cmake --build "$top/build/win64" -j"$jobs" --target build_specific_tests
else
  cmake --build "$top/build/win64" -j"$jobs"
fi
configure_windows "$top" "$top/build/win32" i686 -DZELMORA_WERROR=$strict
if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
  cmake --build "$top/build/win32" -j"$jobs"
else
  cmake --build "$top/build/win32" -j"$jobs" --target Setup
fi

# The tests all run at once, each part into a log of its own: the native ones
# (the fuzzing run keeps one core busy), and each Windows build's suite under a
# rig of its own (prefix, display, server), so the suites share nothing. A
# suite's UI tests take turns on its desktop and registry (resource lock) and
# mostly wait for the wizard: a full suite gets that chain and one more job for
# the unit-test programs; the 64-bit subset beside the 32-bit suite is all UI.
run_native_tests() {
  ctest --test-dir "$top/build/native" -j1 --output-on-failure >"$top/build/native-tests.log" 2>&1
}
run_windows_suite() {
  local build=$1 suite_jobs=$2
  shift 2
  (
    export WINEPREFIX="$top/build/wine-prefix-$build"
    trap stop_wine_rig EXIT
    start_wine_rig >/dev/null
    ctest --test-dir "$top/build/$build" -j"$suite_jobs" --output-on-failure "$@"
  ) >"$top/build/$build-tests.log" 2>&1
}
run_native_tests &
native=$!
if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
  run_windows_suite win64 1 -L build_specific &
  suite64=$!
  run_windows_suite win32 "$jobs" &
  suite32=$!
else
  run_windows_suite win64 "$jobs" &
  suite64=$!
fi
status=0
wait "$native" || status=1
echo "== native tests =="
cat "$top/build/native-tests.log"
wait "$suite64" || status=1
if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
  echo "== Windows tests under Wine: 64-bit build, what differs from the 32-bit one =="
else
  echo "== Windows tests under Wine: 64-bit build =="
fi
cat "$top/build/win64-tests.log"
if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
  wait "$suite32" || status=1
  echo "== Windows tests under Wine: 32-bit build =="
  cat "$top/build/win32-tests.log"
else
  echo "== 32-bit Setup.exe, checked without running it (this host runs no 32-bit code) =="
  "$top/tools/check-setup-program.sh" i686 "$top/build/win32/Setup.exe" || status=1
fi

# The UI tests leave a picture of every page; PNG is what viewers take.
for build in win64 win32; do
  for picture in "$top/build/$build"/tests/screenshots/*.bmp; do
    [ -e "$picture" ] && convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
  done
done
echo "Screenshots of the wizard's pages: $top/build/$product_build/tests/screenshots/"
exit "$status"
