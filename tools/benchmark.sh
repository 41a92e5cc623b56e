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
