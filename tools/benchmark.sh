#!/usr/bin/env bash
# Prints the performance figures: list-file updates on large game lists
# (native, optimised build).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
cmake -S "$top" -B "$top/build/bench" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build/bench" -j"$(nproc)" --target list_files_benchmark >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "== list files (native, best of 5) =="
"$top/build/bench/list_files_benchmark" "$(echo "$scratch" | tr / '\\')"

echo "== Setup.exe under Wine =="
cmake -S "$top" -B "$top/build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$top/build/win32" -j"$(nproc)" --target Setup setup_benchmark minimal_window >/dev/null
i686-w64-mingw32-strip -o "$scratch/Setup.exe" "$top/build/win32/Setup.exe"
echo "Setup.exe stripped: $(( $(stat -c %s "$scratch/Setup.exe") / 1024 )) KiB"
echo "imports: $(i686-w64-mingw32-objdump -p "$top/build/win32/Setup.exe" | sed -n 's/^\tDLL Name: //p' | xargs)"
source "$top/tools/wine-rig.sh"
trap 'stop_wine_rig; rm -rf "$scratch"' EXIT
start_wine_rig
wine reg delete 'HKLM\Software\CDV Software Entertainment AG' /f /reg:32 >/dev/null 2>&1 || true
(cd "$top/build/win32/tests" && wine setup_benchmark.exe ..\\Setup.exe minimal_window.exe </dev/null)
