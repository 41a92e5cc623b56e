# Sourced by the test, demo, benchmark and release scripts: the two Windows
# builds of one source tree, build/win32 (i686, the product) and build/win64
# (x86_64, the same program for hosts that run no 32-bit code).
source "$(dirname "${BASH_SOURCE[0]}")/wine-rig.sh"

# configure_windows SOURCE_DIR BUILD_DIR ARCH [CMAKE_ARGS...]
configure_windows() {
  local source=$1 dir=$2 arch=$3
  shift 3
  cmake -S "$source" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-$arch.cmake" "$@" >/dev/null
}

# Sets product_build (win32 or win64) and product_arch: the 32-bit build where
# the host runs it, else the 64-bit one.
choose_product_build() {
  detect_wine_host
  if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
    product_build=win32 product_arch=i686
  else
    product_build=win64 product_arch=x86_64
  fi
}
