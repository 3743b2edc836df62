# Prepares the Wine prefix that the tests run in, once: booted, and with the
# relay trace cut down to the message box call, so that tracing stays fast.
# Run as a CTest fixture with WINEPREFIX set.
set(prefix "$ENV{WINEPREFIX}")
if(prefix STREQUAL "")
  message(FATAL_ERROR "WINEPREFIX is not set")
endif()
if(EXISTS "${prefix}/treepage-ready-MessageBoxW")
  return()
endif()
if(NOT WINE)
  set(WINE "$ENV{TREEPAGE_WINE}")
endif()
if(NOT WINE)
  find_program(WINE wine)
endif()
if(NOT WINE)
  message(STATUS "No Wine here; the tests that need it say so themselves.")
  return()
endif()
execute_process(COMMAND ${WINE} wineboot --init RESULT_VARIABLE booted OUTPUT_QUIET ERROR_QUIET)
execute_process(
  COMMAND ${WINE} reg add "HKCU\\Software\\Wine\\Debug" /v RelayInclude /t REG_SZ
          /d user32.MessageBoxW /f
  RESULT_VARIABLE registered OUTPUT_QUIET ERROR_QUIET)
if(NOT booted EQUAL 0 OR NOT registered EQUAL 0)
  message(FATAL_ERROR "Cannot prepare the Wine prefix ${prefix}")
endif()
file(TOUCH "${prefix}/treepage-ready-MessageBoxW")
