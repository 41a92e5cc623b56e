#!/usr/bin/env bash
# Writes the release files: dist/Setup.exe (the 32-bit program, stripped),
# dist/SHA256SUMS and dist/BUILDINFO (the commit and the versions of the tools
# that built it). Each Setup.exe, 32-bit and 64-bit, is built twice, with a
# libjpeg-turbo of its own, from the commit (git archive of HEAD) in two
# different folders; the release is written only when both come out
# byte-identical, so anyone can rebuild it from the commit and check the sum.
#   release.sh [--sign CERT --url URL [--key KEY] [--timestamp URL]]
# With --sign the 32-bit program that both builds agreed on is signed with
# Authenticode (tools/sign-setup.sh says where the password comes from),
# SHA256SUMS is over the signed file and dist/AUTHENTICODE holds the digest
# that the signature covers, which an unsigned build of the commit gives too.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
usage() {
  echo "usage: release.sh [--sign CERT --url URL [--key KEY] [--timestamp URL]]" >&2
  exit 2
}

certificate='' url='' sign_options=()
while [ $# -gt 0 ]; do
  [ $# -ge 2 ] || usage
  case $1 in
    --sign) certificate=$2 ;;
    --url) url=$2 ;;
    --key | --timestamp) sign_options+=("$1" "$2") ;;
    *) usage ;;
  esac
  shift 2
done
if [ -n "$certificate$url${sign_options[*]}" ] && { [ -z "$certificate" ] || [ -z "$url" ]; }; then
  usage
fi
[ -z "$certificate" ] || [ -r "$certificate" ] || { echo "release: cannot read $certificate" >&2; exit 1; }

# What is not committed is in no published source: refuse rather than ship it.
if [ -n "$(git -C "$top" status --porcelain)" ]; then
  echo "release: the work tree differs from the commit; commit or remove these first:" >&2
  git -C "$top" status --short >&2
  exit 1
fi
commit=$(git -C "$top" rev-parse HEAD)

"$top/tools/setup.sh"
source "$top/tools/windows-builds.sh"
source "$top/tools/libjpeg-turbo.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fetch_jpeg_source "$work/jpeg-download"
folders=("$work/a" "$work/second/folder/b")
for folder in "${folders[@]}"; do
  mkdir -p "$folder/source"
  git -C "$top" archive "$commit" | tar -x -C "$folder/source"
  cp -r "$jpeg_source" "$folder/libjpeg-turbo-source"
done

identical=1
for arch in i686 x86_64; do
  sums=()
  for folder in "${folders[@]}"; do
    build_jpeg "$folder/libjpeg-turbo-source" "$folder/source/cmake/mingw-$arch.cmake" \
      "$folder/libjpeg-turbo-$arch"
    configure_windows "$folder/source" "$folder/build-$arch" "$arch" \
      -DZELMORA_JPEG_PREFIX="$folder/libjpeg-turbo-$arch"
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
  if [ "$arch" = i686 ]; then compared=$stripped; fi
done
[ "$identical" = 1 ] || { echo "release: builds are not reproducible; nothing written" >&2; exit 1; }

mkdir -p "$top/dist"
rm -f "$top/dist/AUTHENTICODE"
unsigned="${folders[0]}/Setup-i686.exe"
if [ -n "$certificate" ]; then
  digest=$("$top/tools/sign-setup.sh" "${sign_options[@]}" "$certificate" "$url" "$unsigned" \
             "$compared" "$top/dist/Setup.exe")
  cat > "$top/dist/AUTHENTICODE" <<RECORD
# The Authenticode digest (SHA-256) that Setup.exe's signature covers. An
# unsigned build of commit $commit gives it too:
# tools/authenticode-digest.sh on that build prints it (see README.md).
$digest  Setup.exe
RECORD
else
  cp "$unsigned" "$top/dist/Setup.exe"
fi
(cd "$top/dist" && sha256sum Setup.exe > SHA256SUMS)

{
  echo "commit $commit"
  for package in g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 \
                 binutils-mingw-w64-x86-64 mingw-w64-i686-dev mingw-w64-x86-64-dev cmake; do
    dpkg-query -W -f '${Package} ${Version}\n' "$package"
  done
  echo "libjpeg-turbo $jpeg_version (Debian source package)"
  [ -z "$certificate" ] || dpkg-query -W -f '${Package} ${Version}\n' osslsigncode
} > "$top/dist/BUILDINFO"

echo "Written: dist/Setup.exe ($(( $(stat -c %s "$top/dist/Setup.exe") / 1024 )) KiB), dist/SHA256SUMS:"
cat "$top/dist/SHA256SUMS"
for record in BUILDINFO AUTHENTICODE; do
  if [ -f "$top/dist/$record" ]; then echo "dist/$record:"; cat "$top/dist/$record"; fi
done
