# Signing the Windows program and its installer (packaging/windows/sign), where the builder
# gives a certificate and its private key: as these cache variables, or in the environment
# of the build under the same names. A timestamp server only where one is given.
set(VELTARO_SIGNING_CERTIFICATE "" CACHE FILEPATH "PEM certificate to sign the Windows files with")
set(VELTARO_SIGNING_KEY "" CACHE FILEPATH "PEM private key of that certificate")
set(VELTARO_TIMESTAMP_URL "" CACHE STRING "RFC 3161 timestamp server for the signatures")

# The command that signs a file in place; with nothing given here, the build's environment
# decides, and with nothing there, it does nothing.
set(VELTARO_SIGN ${PROJECT_SOURCE_DIR}/packaging/windows/sign)
set(signing_settings)
foreach(setting VELTARO_SIGNING_CERTIFICATE VELTARO_SIGNING_KEY VELTARO_TIMESTAMP_URL)
  if(${setting})
    list(APPEND signing_settings ${setting}=${${setting}})
  endif()
endforeach()
if(signing_settings)
  set(VELTARO_SIGN ${CMAKE_COMMAND} -E env ${signing_settings} ${VELTARO_SIGN})
endif()
