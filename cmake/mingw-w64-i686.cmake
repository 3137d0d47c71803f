# Cross-builds the Windows program with Debian's mingw-w64, for 32-bit x86: the one file
# that runs on 32- and 64-bit Windows alike, and on ARM, which emulates x86.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
