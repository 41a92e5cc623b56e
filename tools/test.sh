#!/usr/bin/env bash
# Builds every configuration and runs every test: the portable core natively
# with sanitizers, then the Windows suite under Wine: on the 64-bit build on
# every host, and on the 32-bit build (the product) where the host runs 32-bit
# code. Elsewhere the 32-bit Setup.exe is still built and checked statically.
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
cmake --build "$top/build/win64" -j"$jobs"
configure_windows "$top" "$top/build/win32" i686 -DZELMORA_WERROR=$strict
if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
  cmake --build "$top/build/win32" -j"$jobs"
else
  cmake --build "$top/build/win32" -j"$jobs" --target Setup
fi

echo "== native tests =="
ctest --test-dir "$top/build/native" -j"$jobs" --output-on-failure

# One build's Windows suite under a rig of its own (prefix, display, server):
# the UI tests of one suite take turns on its desktop and registry, but the two
# suites share nothing, so they run side by side.
run_windows_suite() {
  local build=$1
  (
    export WINEPREFIX="$top/build/wine-prefix-$build"
    trap stop_wine_rig EXIT
    start_wine_rig >/dev/null
    ctest --test-dir "$top/build/$build" -j"$jobs" --output-on-failure
  ) >"$top/build/$build-tests.log" 2>&1
}
run_windows_suite win64 &
suite64=$!
if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
  run_windows_suite win32 &
  suite32=$!
fi
status=0
wait "$suite64" || status=1
echo "== Windows tests under Wine: 64-bit build =="
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
