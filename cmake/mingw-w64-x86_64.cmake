# Cross-builds the Windows program for x86-64: not a product, but the stand-in the Windows
# tests run where this machine cannot execute 32-bit code, under the 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_triplet x86_64-w64-mingw32)
set(mingw_link_flags)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
