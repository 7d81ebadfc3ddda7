# Cross-builds for 32-bit Windows: the shipped Install.exe, which runs on 32-bit
# Windows and, under WOW64, on 64-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
