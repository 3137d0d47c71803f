# Tests of a Windows build run under Wine, each in a prefix of its own inside the build
# tree, of the Windows of the build's word size. A test of the 32-bit build where no
# 32-bit Wine is installed says so and counts as skipped (scripts/wine-session.sh).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELTARO_WINEARCH win64)
else()
  set(VELTARO_WINEARCH win32)
endif()

function(veltaro_wine_test test)
  set_tests_properties(${test} PROPERTIES SKIP_RETURN_CODE 77
    ENVIRONMENT "WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine-${test};WINEARCH=${VELTARO_WINEARCH}")
endfunction()
