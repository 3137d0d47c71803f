# What the Windows toolchains share: Debian's mingw-w64 for the triplet the including file
# names, one file per program, the same bytes from the same sources, tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)

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

# Every program is one file: the C++ runtime and libgcc linked in; and the including file's
# own flags.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static ${mingw_link_flags}")
# Two builds of the same sources are the same bytes: the header's link time is the one
# SOURCE_DATE_EPOCH gives as the tree is configured, or none.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--insert-timestamp")
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH})
else()
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
endif()

# Test programs run under Wine, each in a fresh prefix of its own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
