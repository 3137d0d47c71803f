# The two header-only libraries calc converts numbers with: fast_float reads decimal text
# into the nearest double (on every target but the browser's, calc/CMakeLists.txt), fmt
# writes a double's digits.
# Their headers come from the build machine's Debian packages. A cross build must not see
# the rest of that machine's /usr/include, so each library's folder is linked alone into
# the build tree and included from there.
set(number_libraries_include ${PROJECT_BINARY_DIR}/number-libraries)

function(veltaro_header_library target folder header)
  find_path(${target}_include ${folder}/${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
    REQUIRED)
  file(MAKE_DIRECTORY ${number_libraries_include})
  file(CREATE_LINK ${${target}_include}/${folder} ${number_libraries_include}/${folder}
    SYMBOLIC)
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${number_libraries_include})
endfunction()

veltaro_header_library(fast_float fast_float fast_float.h)
veltaro_header_library(fmt_header_only fmt format.h)
# calc passes every setting itself and never asks fmt for the process locale; a fixed
# separator keeps std::locale, and the C++ library's locale machinery, out of the program.
target_compile_definitions(fmt_header_only INTERFACE FMT_HEADER_ONLY
  FMT_STATIC_THOUSANDS_SEPARATOR=',')
