# Checks the Debian changelog's form of a release date, whose day of the week the
# identity computes: cmake -DIDENTITY=cmake/identity.cmake -P release_date.cmake
set(PROJECT_NAME Veltaro)
set(PROJECT_VERSION_MAJOR 1)
set(PROJECT_VERSION_MINOR 0)
include(${IDENTITY})

set(cases
  "the first release|2026-12-08|Tue, 08 Dec 2026 00:00:00 +0000"
  "January counts in the year before|2027-01-01|Fri, 01 Jan 2027 00:00:00 +0000"
  "February's last day in a common year|2027-02-28|Sun, 28 Feb 2027 00:00:00 +0000"
  "a leap day|2028-02-29|Tue, 29 Feb 2028 00:00:00 +0000"
  "the day after a leap day|2028-03-01|Wed, 01 Mar 2028 00:00:00 +0000"
  "a century year is no leap year|2100-03-01|Mon, 01 Mar 2100 00:00:00 +0000"
  "but every fourth century is|2000-03-01|Wed, 01 Mar 2000 00:00:00 +0000"
  "a single-digit month and day|2026-09-08|Tue, 08 Sep 2026 00:00:00 +0000")
set(failed 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 date)
  list(GET fields 2 expected)
  veltaro_rfc2822_date(${date} written)
  if(NOT written STREQUAL expected)
    message("FAIL: ${name}: ${date} is written '${written}', not '${expected}'")
    math(EXPR failed "${failed} + 1")
  endif()
endforeach()
list(LENGTH cases total)
math(EXPR passed "${total} - ${failed}")
message("release date: ${passed} passed, ${failed} failed")
if(failed)
  message(FATAL_ERROR "release date forms are wrong")
endif()
