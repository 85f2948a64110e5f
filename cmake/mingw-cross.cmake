# The part both toolchain files share: the mingw-w64 cross compilers of
# TARGET_TRIPLE, and no search of this machine's own libraries.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TARGET_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARGET_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARGET_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARGET_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
