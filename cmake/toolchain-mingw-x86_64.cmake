# The same program for 64-bit Windows. It exists for machines whose kernel cannot run
# 32-bit code (and so no 32-bit Wine): there the Windows tests run this build under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triple x86_64-w64-mingw32)
set(mingw_wine_bits 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
