# The product: a 32-bit Windows screensaver.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_triple i686-w64-mingw32)
set(mingw_wine_bits 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Float arithmetic in SSE registers, as on x86_64: single precision stays single precision
# (x87 would keep excess precision and round differently).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
