# GoogleTest for the project's tests. A native build uses the installed package; a cross
# build compiles it for its target from the sources Debian's libgtest-dev installs.
if(CMAKE_CROSSCOMPILING)
  set(VELTARO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
    "GoogleTest sources to build for the target")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # A page has one thread; WebAssembly's threads would need a cross-origin isolated host.
  # The Windows compilers have no threads in their C++ library: the program has one.
  if(EMSCRIPTEN OR WIN32)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  endif()
  add_subdirectory(${VELTARO_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest
    EXCLUDE_FROM_ALL SYSTEM)
  # The one class of GoogleTest's that locks a std::mutex, which the Windows compilers' C++
  # library lacks, comes from a header of ours; its other locks are Windows' own.
  if(WIN32)
    target_compile_options(gtest PUBLIC
      -include ${PROJECT_SOURCE_DIR}/win32/tests/googletest_notification.h)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# A program of unit tests, labelled "unit". Natively each test case is a test of its own.
# Under an emulator, where listing the cases would cost a start of the emulator each, the
# program is one test; under Wine, run in a prefix of its own, in the tree whose programs
# the Windows tests run (cmake/wine.cmake), and not built in the other.
function(veltaro_add_gtest target)
  if(WIN32 AND NOT VELTARO_WINE_TESTS)
    set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
    return()
  elseif(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES LABELS unit TIMEOUT 300)
    if(WIN32)
      veltaro_wine_test(${target})
    endif()
  else()
    gtest_discover_tests(${target} PROPERTIES LABELS unit)
  endif()
endfunction()
