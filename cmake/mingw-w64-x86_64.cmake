# Cross-building the 64-bit (x64) Windows executable on Linux with Debian's MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
