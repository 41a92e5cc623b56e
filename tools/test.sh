#!/usr/bin/env bash
# Builds both configurations and runs every test: the portable core natively
# with sanitizers, then everything for Windows under Wine.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"

strict=OFF
[ -n "${CI:-}" ] && strict=ON
jobs=$(nproc)

cmake -S "$top" -B "$top/build/native" -DCMAKE_BUILD_TYPE=Debug -DZELMORA_SANITIZE=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZELMORA_WERROR=$strict >/dev/null
cmake --build "$top/build/native" -j"$jobs"
cmake -S "$top" -B "$top/build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" -DZELMORA_WERROR=$strict >/dev/null
cmake --build "$top/build/win32" -j"$jobs"

echo "== native tests =="
ctest --test-dir "$top/build/native" -j"$jobs" --output-on-failure

source "$top/tools/wine-rig.sh"
trap stop_wine_rig EXIT
start_wine_rig
echo "== Windows tests under Wine =="
ctest --test-dir "$top/build/win32" -j"$jobs" --output-on-failure
# The UI tests leave a picture of every page; PNG is what viewers take.
for picture in "$top"/build/win32/tests/screenshots/*.bmp; do
  [ -e "$picture" ] && convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
echo "Screenshots of the wizard's pages: $top/build/win32/tests/screenshots/"
