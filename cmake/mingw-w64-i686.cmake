# Cross-builds the Windows program with Debian's mingw-w64, for 32-bit x86: the one file
# that runs on 32- and 64-bit Windows alike, and on ARM, which emulates x86.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_triplet i686-w64-mingw32)

# The compilers of the "win32" thread model: the program has one thread, and the "posix"
# ones would link winpthreads into it, with its TLS callbacks and its calls that suspend
# threads and set their context.
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-win32)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-win32)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program is one file: the C++ runtime and libgcc linked in. libstdc++'s strings of
# the old ABI, which its exceptions keep, carry std::random_device's constructor, and with
# it the device's code and imports; nothing here makes one, so that constructor's one call
# out is answered by abort and the rest never linked.
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-static -Wl,--defsym=__ZNSt13random_device7_M_initEPKcj=_abort")
# Two builds of the same sources are the same bytes: the header's link time is the one
# SOURCE_DATE_EPOCH gives as the tree is configured, or none.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--insert-timestamp")
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH})
else()
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
endif()

# Test programs run under the 32-bit Wine, each in a fresh prefix of its own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
