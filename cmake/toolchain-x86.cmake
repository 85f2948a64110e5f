set(TARGET_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(MANIFEST_ARCHITECTURE x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)

# No emulator: this machine's kernel runs no 32-bit programs, so the x86
# build is compiled and linked only.
