# Cross-builds the Windows program with Debian's mingw-w64, for 32-bit x86: the one file
# that runs on 32- and 64-bit Windows alike, and on ARM, which emulates x86.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_triplet i686-w64-mingw32)
# libstdc++'s strings of the old ABI, which its exceptions keep, carry std::random_device's
# constructor, and with it the device's code and imports; nothing here makes one, so that
# constructor's one call out is answered by abort and the rest never linked.
set(mingw_link_flags -Wl,--defsym=__ZNSt13random_device7_M_initEPKcj=_abort)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
