# The same sources for 64-bit x86. No one is given this program: its tests run under the
# 64-bit Wine where no 32-bit Wine can be installed to run those of the 32-bit one.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
