# Cross toolchain for the 64-bit Windows target.
set(ZELMORA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
