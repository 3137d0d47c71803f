# Who publishes Veltaro and which version this is, in the forms the desktop files, the
# program and the Windows resources write them.

set(VELTARO_PUBLISHER "Veltaro")
set(VELTARO_PUBLISHER_DOMAIN "veltaro.bg")
set(VELTARO_PUBLISHER_SITE "www.${VELTARO_PUBLISHER_DOMAIN}")
set(VELTARO_HOMEPAGE "https://${VELTARO_PUBLISHER_SITE}")
set(VELTARO_CONTACT "info@${VELTARO_PUBLISHER_DOMAIN}")

# The command, its manual page and the Debian package: the program's name in lower case.
string(TOLOWER "${PROJECT_NAME}" VELTARO_PACKAGE_NAME)

# One reverse-DNS id names the desktop entry, the metainfo and the icons; in lower case, as
# AppStream asks of a component's id.
string(REPLACE "." ";" domain_parts "${VELTARO_PUBLISHER_DOMAIN}")
list(REVERSE domain_parts)
list(JOIN domain_parts "." reversed_domain)
set(VELTARO_APP_ID "${reversed_domain}.${VELTARO_PACKAGE_NAME}")
set(VELTARO_DEVELOPER_ID "${reversed_domain}")

# The program states its version with two decimals: 1.0 is "1.00".
if(PROJECT_VERSION_MINOR LESS 10)
  set(VELTARO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(VELTARO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

# The program's name and what it does, in Bulgarian, as its users read them: in the Windows
# version record, the Start menu and the installed programs' list.
set(VELTARO_DISPLAY_NAME "Велтаро")
set(VELTARO_SUMMARY "Изразява една величина като процент от друга: КПД, рандеман, практически добив")

# The Windows installer's upgrade code, the same for every version, so that a later one
# replaces an earlier one; each package's product code is made from what it installs.
set(VELTARO_MSI_UPGRADE_CODE "6C799CB9-F09D-40C1-9C0E-64F7F74CA5A0")

# What the publisher licenses the program under, as an SPDX expression.
set(VELTARO_LICENSE "LicenseRef-proprietary")

# The day this version is released; the metainfo, the manual page, the Debian changelog
# and the copyright years take their forms of it from here.
set(VELTARO_RELEASE_DATE "2026-12-08")
set(VELTARO_FIRST_RELEASE_YEAR 2026)
string(SUBSTRING "${VELTARO_RELEASE_DATE}" 0 4 release_year)
if(release_year STREQUAL VELTARO_FIRST_RELEASE_YEAR)
  set(VELTARO_COPYRIGHT_YEARS "${release_year}")
else()
  set(VELTARO_COPYRIGHT_YEARS "${VELTARO_FIRST_RELEASE_YEAR}-${release_year}")
endif()

# An ISO date ("2026-12-08") as Debian's changelog writes it:
# "Tue, 08 Dec 2026 00:00:00 +0000".
function(veltaro_rfc2822_date iso_date out_var)
  if(NOT iso_date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "not a date in the form YYYY-MM-DD: ${iso_date}")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(day ${CMAKE_MATCH_3})
  math(EXPR month_index "${CMAKE_MATCH_2} - 1")
  # Sakamoto's rule for the day of the week, where January and February count as months
  # of the year before.
  set(weekday_year ${year})
  if(month_index LESS 2)
    math(EXPR weekday_year "${year} - 1")
  endif()
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  list(GET month_offsets ${month_index} month_offset)
  math(EXPR weekday_index "(${weekday_year} + ${weekday_year} / 4 - ${weekday_year} / 100 \
+ ${weekday_year} / 400 + ${month_offset} + ${day}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday_index} weekday)
  list(GET months ${month_index} month)
  set(${out_var} "${weekday}, ${day} ${month} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
veltaro_rfc2822_date(${VELTARO_RELEASE_DATE} VELTARO_RELEASE_DATE_RFC2822)
