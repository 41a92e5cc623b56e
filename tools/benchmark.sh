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

source "$top/tools/windows-builds.sh"
choose_product_build
build=$product_build arch=$product_arch
echo "== Setup.exe under Wine, ${build#win}-bit build (build/$build) =="
configure_windows "$top" "$top/build/$build" "$arch"
cmake --build "$top/build/$build" -j"$(nproc)" --target Setup setup_benchmark same_controls >/dev/null
"$arch-w64-mingw32-strip" -o "$scratch/Setup.exe" "$top/build/$build/Setup.exe"
echo "Setup.exe stripped: $(( $(stat -c %s "$scratch/Setup.exe") / 1024 )) KiB"
echo "imports: $("$arch-w64-mingw32-objdump" -p "$top/build/$build/Setup.exe" | sed -n 's/^\tDLL Name: //p' | xargs)"
trap 'stop_wine_rig; rm -rf "$scratch"' EXIT
start_wine_rig
"$wine64" reg delete 'HKLM\Software\CDV Software Entertainment AG' /f /reg:32 >/dev/null 2>&1 || true
(cd "$top/build/$build/tests" && "$(wine_loader "$arch")" setup_benchmark.exe ..\\Setup.exe same_controls.exe </dev/null)
