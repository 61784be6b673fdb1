# The product: a 32-bit Windows screensaver.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_triple i686-w64-mingw32)
set(mingw_wine_bits 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
