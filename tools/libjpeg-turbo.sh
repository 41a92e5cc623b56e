# Sourced by tools/setup.sh and tools/release.sh: libjpeg-turbo cross-built for
# a Windows target from Debian's source package (static, no SIMD).

# fetch_jpeg_source DIR: downloads and unpacks Debian's source into DIR (new or
# empty); sets jpeg_source (the unpacked tree) and jpeg_version (Debian's).
fetch_jpeg_source() {
  local dir=$1 src_list=/etc/apt/sources.list.d/zelmora-deb-src.sources
  if [ ! -f "$src_list" ]; then
    [ "$(id -u)" = 0 ] || { echo "libjpeg-turbo: no deb-src entries and not root" >&2; return 1; }
    # Source entries mirroring the machine's own binary entries; nothing of the machine's is touched.
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
    else
      grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "${src_list%.sources}.list"
    fi
    apt-get update -qq
  fi
  mkdir -p "$dir"
  (cd "$dir" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  jpeg_source=$(find "$dir" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  jpeg_version=$(sed -n 's/^Version: //p' "$dir"/libjpeg-turbo_*.dsc | head -n 1)
  [ -n "$jpeg_source" ] && [ -n "$jpeg_version" ] ||
    { echo "libjpeg-turbo: source not found" >&2; return 1; }
}

# The wizard only decodes its own baseline pictures: no arithmetic coding, and
# no JPEGMEM variable, whose sscanf brings the C library's whole scanf (about
# 35 KB of Setup.exe). Recorded beside the library, so that one built with
# other options is built again.
jpeg_options="-DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
-DWITH_ARITH_DEC=OFF -DWITH_ARITH_ENC=OFF -DCMAKE_C_FLAGS=-DNO_GETENV"

# jpeg_built PREFIX: whether PREFIX holds the library built with jpeg_options.
jpeg_built() {
  [ -f "$1/lib/libjpeg.a" ] && [ "$(cat "$1/build-options" 2>/dev/null)" = "$jpeg_options" ]
}

# build_jpeg SOURCE TOOLCHAIN_FILE PREFIX: builds SOURCE (from fetch_jpeg_source)
# in PREFIX.build and installs it into PREFIX. The build string is Debian's
# version, not the day's date, so the library is the same on any day.
build_jpeg() {
  local source=$1 toolchain=$2 prefix=$3
  cmake -S "$source" -B "$prefix.build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" $jpeg_options \
    -DBUILD="$jpeg_version" -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
  cmake --build "$prefix.build" -j"$(nproc)" >/dev/null
  cmake --install "$prefix.build" >/dev/null
  rm -rf "$prefix.build"
  echo "$jpeg_options" > "$prefix/build-options"
}
