# Cross toolchain for the 32-bit Windows target, the product.
set(ZELMORA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
