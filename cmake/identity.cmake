# Who publishes Veltaro and which version this is, in the forms the desktop files, the
# program and the Windows resources write them.

set(VELTARO_PUBLISHER "Veltaro")
set(VELTARO_PUBLISHER_DOMAIN "veltaro.bg")
set(VELTARO_PUBLISHER_SITE "www.${VELTARO_PUBLISHER_DOMAIN}")
set(VELTARO_HOMEPAGE "https://${VELTARO_PUBLISHER_SITE}")
set(VELTARO_CONTACT "info@${VELTARO_PUBLISHER_DOMAIN}")

# One reverse-DNS id names the desktop entry, the metainfo and the icons.
string(REPLACE "." ";" domain_parts "${VELTARO_PUBLISHER_DOMAIN}")
list(REVERSE domain_parts)
list(JOIN domain_parts "." reversed_domain)
set(VELTARO_APP_ID "${reversed_domain}.Veltaro")

# The program states its version with two decimals: 1.0 is "1.00".
if(PROJECT_VERSION_MINOR LESS 10)
  set(VELTARO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(VELTARO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
