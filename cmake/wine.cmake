# Tests of the Windows build run under the 32-bit Wine, each in a prefix of its own inside
# the build tree: this machine's own Wine where it has Debian's wine32, otherwise the one in
# an i386 Debian root that the first of them makes, once, in the build tree
# (scripts/wine-root, scripts/wine-session.sh).
set(VELTARO_WINE_ROOT ${PROJECT_BINARY_DIR}/wine-root)
add_test(NAME windows_wine_root COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-root ${VELTARO_WINE_ROOT})
# Its packages come from the mirror, about 300 MB of them.
set_tests_properties(windows_wine_root PROPERTIES FIXTURES_SETUP wine_root TIMEOUT 1800)

function(veltaro_wine_test test)
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine_root
    ENVIRONMENT "WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine-${test};VELTARO_WINE_ROOT=${VELTARO_WINE_ROOT};VELTARO_BUILD_TREE=${PROJECT_BINARY_DIR}")
endfunction()
