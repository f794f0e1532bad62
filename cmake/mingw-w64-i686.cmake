# Cross-building the 32-bit (x86) Windows executable on Linux with Debian's
# MinGW-w64: the one file that runs on every Windows, 32- or 64-bit, x86 or
# ARM (whose Windows runs x86 programs).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
