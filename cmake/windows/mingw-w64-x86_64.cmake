# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, posix thread model
# (std::thread needs it). Used both for Qt itself and for the game.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Qt's own toolchain file adds its prefix; MOSSALINE_WINDOWS_ROOTS adds more (GoogleTest for the tests).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${MOSSALINE_WINDOWS_ROOTS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
