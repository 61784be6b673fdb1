# Shared by the mingw-w64 toolchain files; they set mingw_triple and mingw_wine_bits first.
# The posix thread flavour links winpthread, which we take statically like libgcc and
# libstdc++, so the programs need system DLLs only.
set(CMAKE_SYSTEM_NAME Windows)

find_program(CMAKE_C_COMPILER NAMES ${mingw_triple}-gcc-posix ${mingw_triple}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${mingw_triple}-g++-posix ${mingw_triple}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${mingw_triple}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run under Wine, through a wrapper that gives each run its own
# display and wineserver and ends both afterwards.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run --bits ${mingw_wine_bits})
