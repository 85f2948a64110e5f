set(TARGET_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MANIFEST_ARCHITECTURE amd64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)

# This build runs here: its tests go through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-under-wine)
