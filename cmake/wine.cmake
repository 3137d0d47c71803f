# The Windows tests run under Wine, each in a prefix of its own inside the build tree.
# Where this machine executes 32-bit code, they run the shipped 32-bit files under the
# 32-bit Wine: this machine's own where it has Debian's wine32, otherwise the one in an
# i386 Debian root that the first of them makes, once, in the build tree (scripts/wine-root,
# scripts/wine-session.sh). Where it cannot, or VELTARO_WINDOWS_STAND_IN asks for it, the
# tests that execute Windows code run an x86-64 build of the same sources instead, made in
# the tree's stand-in/ with the windows-x64 preset, under the 64-bit Wine; the checks of the
# shipped files that execute nothing stay here. That x86-64 build (any 64-bit Windows build
# of this project) is a test stand-in, not a product.
option(VELTARO_WINDOWS_STAND_IN
  "Run the Windows tests on the x86-64 stand-in even where 32-bit code runs (also: environment variable VELTARO_WINDOWS_STAND_IN=1)"
  OFF)
# The environment's word is kept, so that the tree's own reconfiguring keeps the route.
if("$ENV{VELTARO_WINDOWS_STAND_IN}")
  set_property(CACHE VELTARO_WINDOWS_STAND_IN PROPERTY VALUE ON)
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELTARO_WINE_TESTS ON)
  set(VELTARO_SHIPPED_FILE_TESTS OFF)
  function(veltaro_wine_test test)
    set_tests_properties(${test} PROPERTIES ENVIRONMENT
      "WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine-${test};VELTARO_WINE_ARCH=win64")
  endfunction()
  return()
endif()

set(VELTARO_SHIPPED_FILE_TESTS ON)
if(VELTARO_WINDOWS_STAND_IN)
  set(why "the stand-in was asked for (VELTARO_WINDOWS_STAND_IN)")
else()
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/runs-32-bit-code
    RESULT_VARIABLE no_32_bit_code OUTPUT_VARIABLE why OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(no_32_bit_code AND NOT why)
    set(why "scripts/runs-32-bit-code could not tell (${no_32_bit_code})")
  endif()
endif()

set(route_file ${PROJECT_BINARY_DIR}/windows-route.cmake)
if(why)
  set(VELTARO_WINE_TESTS OFF)
  set(stand_in ${PROJECT_BINARY_DIR}/stand-in)
  set(route "The Windows tests that execute code run the x86-64 stand-in built in ${stand_in} under the 64-bit Wine, not the shipped 32-bit files: ${why}. The checks that execute nothing read the shipped 32-bit files.")
  include(ExternalProject)
  ExternalProject_Add(windows_stand_in
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${stand_in}
    CONFIGURE_COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${stand_in} --preset windows-x64
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
  file(WRITE ${route_file} "message(\"${route}\")\nsubdirs(\"${stand_in}\")\n")
else()
  set(VELTARO_WINE_TESTS ON)
  set(route "The Windows tests run the 32-bit build, whose program and installer are shipped, under the 32-bit Wine: this machine executes 32-bit code.")
  file(WRITE ${route_file} "message(\"${route}\")\n")
  set(VELTARO_WINE_ROOT ${PROJECT_BINARY_DIR}/wine-root)
  add_test(NAME windows_wine_root COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-root ${VELTARO_WINE_ROOT})
  # Its packages come from the mirror, about 300 MB of them.
  set_tests_properties(windows_wine_root PROPERTIES FIXTURES_SETUP wine_root TIMEOUT 1800)
  function(veltaro_wine_test test)
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine_root
      ENVIRONMENT "WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine-${test};VELTARO_WINE_ROOT=${VELTARO_WINE_ROOT};VELTARO_BUILD_TREE=${PROJECT_BINARY_DIR}")
  endfunction()
endif()
message(STATUS "${route}")
# CTest says it as it starts.
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${route_file})
