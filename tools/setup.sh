#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on Debian 12 (run as root),
# and cross-builds libjpeg-turbo for the Windows target from Debian's source.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deps="$top/build/deps"

packages=(cmake make g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386 fonts-wine
          xvfb x11-utils imagemagick librsvg2-bin fonts-dejavu-core googletest libgtest-dev clang
          libclang-rt-14-dev dpkg-dev locales osslsigncode openssl)

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

if [ -n "$(missing_packages)" ]; then
  [ "$(id -u)" = 0 ] || { echo "setup: missing packages and not root: $(missing_packages | xargs)" >&2; exit 1; }
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
fi

# The tests run the wizard under a Russian and a Japanese locale too (ANSI code
# pages 1251 and 932); a fresh machine has only C.UTF-8 generated.
for locale_name in ru_RU ja_JP; do
  if ! locale -a | grep -qix "$locale_name.utf8"; then
    [ "$(id -u)" = 0 ] || { echo "setup: locale $locale_name.UTF-8 missing and not root" >&2; exit 1; }
    localedef -i "$locale_name" -f UTF-8 "$locale_name.UTF-8"
  fi
done

# libjpeg-turbo for each Windows target, built once and kept under build/.
source "$top/tools/libjpeg-turbo.sh"
for arch in i686 x86_64; do
  jpeg_built "$deps/libjpeg-turbo-$arch" && continue
  if [ -z "${jpeg_source:-}" ]; then
    rm -rf "$deps/jpeg-src"
    fetch_jpeg_source "$deps/jpeg-src"
  fi
  build_jpeg "$jpeg_source" "$top/cmake/mingw-$arch.cmake" "$deps/libjpeg-turbo-$arch"
done
rm -rf "$deps/jpeg-src"
