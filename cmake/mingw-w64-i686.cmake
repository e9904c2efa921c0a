# Cross-compiles the 32-bit Windows program with MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KOVRIN_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
