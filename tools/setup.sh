#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on Debian 12 (run as root),
# and cross-builds libjpeg-turbo for the Windows target from Debian's source.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deps="$top/build/deps"

packages=(cmake make g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386 fonts-wine
          xvfb x11-utils imagemagick librsvg2-bin fonts-dejavu-core googletest clang
          libclang-rt-14-dev dpkg-dev locales)

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

# libjpeg-turbo for each Windows target: static, no SIMD, built once and kept under build/.
build_jpeg() {
  local arch=$1 jpeg_prefix="$deps/libjpeg-turbo-$1"
  [ -f "$jpeg_prefix/lib/libjpeg.a" ] && return 0
  src_list=/etc/apt/sources.list.d/zelmora-deb-src.sources
  if [ ! -f "$src_list" ]; then
    # Source entries mirroring the machine's own binary entries; nothing of the machine's is touched.
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
    else
      grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "${src_list%.sources}.list"
    fi
    apt-get update -qq
  fi
  rm -rf "$deps/jpeg-src" "$deps/jpeg-build"
  mkdir -p "$deps/jpeg-src"
  (cd "$deps/jpeg-src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  jpeg_dir=$(find "$deps/jpeg-src" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  [ -n "$jpeg_dir" ] || { echo "setup: libjpeg-turbo source not found" >&2; exit 1; }
  cmake -S "$jpeg_dir" -B "$deps/jpeg-build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" >/dev/null
  cmake --build "$deps/jpeg-build" -j"$(nproc)" >/dev/null
  cmake --install "$deps/jpeg-build" >/dev/null
  rm -rf "$deps/jpeg-src" "$deps/jpeg-build"
}
build_jpeg i686
build_jpeg x86_64
