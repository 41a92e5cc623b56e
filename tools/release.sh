#!/usr/bin/env bash
# Writes the release files dist/Setup.exe (the 32-bit program, stripped) and
# dist/SHA256SUMS. Each Setup.exe, 32-bit and 64-bit, is built twice from
# clean copies of the source in two different folders; the release is written
# only when both copies come out byte-identical, so anyone can rebuild it and
# check the published sum.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
source "$top/tools/windows-builds.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The source as committed and changed in the work tree, without build output.
copy_source() {
  mkdir -p "$1"
  (cd "$top" && git ls-files -z --cached --others --exclude-standard |
     xargs -0 cp --parents -t "$1" 2>/dev/null || true)
}

folders=("$work/a" "$work/second/folder/b")
for folder in "${folders[@]}"; do copy_source "$folder/source"; done

identical=1
for arch in i686 x86_64; do
  sums=()
  for folder in "${folders[@]}"; do
    configure_windows "$folder/source" "$folder/build-$arch" "$arch" \
      -DZELMORA_JPEG_PREFIX="$top/build/deps/libjpeg-turbo-$arch"
    cmake --build "$folder/build-$arch" -j"$(nproc)" --target Setup >/dev/null
    # strip stamps the header with the time unless given a fixed one: none, as the linker.
    SOURCE_DATE_EPOCH=0 "$arch-w64-mingw32-strip" -o "$folder/Setup-$arch.exe" "$folder/build-$arch/Setup.exe"
    sum=$(sha256sum < "$folder/build-$arch/Setup.exe" | cut -d' ' -f1)
    stripped=$(sha256sum < "$folder/Setup-$arch.exe" | cut -d' ' -f1)
    echo "$arch  ${folder#"$work"/}: Setup.exe $sum  stripped $stripped"
    sums+=("$sum $stripped")
  done
  if [ "${sums[0]}" != "${sums[1]}" ]; then
    echo "release: the two $arch builds differ:" >&2
    cmp -l "${folders[0]}/build-$arch/Setup.exe" "${folders[1]}/build-$arch/Setup.exe" | head >&2 || true
    identical=0
  fi
done
[ "$identical" = 1 ] || { echo "release: builds are not reproducible; nothing written" >&2; exit 1; }

mkdir -p "$top/dist"
cp "${folders[0]}/Setup-i686.exe" "$top/dist/Setup.exe"
(cd "$top/dist" && sha256sum Setup.exe > SHA256SUMS)
echo "Written: dist/Setup.exe ($(( $(stat -c %s "$top/dist/Setup.exe") / 1024 )) KiB), dist/SHA256SUMS:"
cat "$top/dist/SHA256SUMS"
