# Renders the manual page as man(1) does and checks that groff finds nothing
# to warn about and that every section is there.
execute_process(COMMAND groff -man -Tutf8 -ww -z ${PAGE} ERROR_VARIABLE warnings RESULT_VARIABLE checked)
if(NOT checked EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff: ${warnings}")
endif()
execute_process(COMMAND man -l ${PAGE} OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE shown)
if(NOT shown EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "man -l: ${errors}")
endif()
foreach(section IN ITEMS NAME SYNOPSIS DESCRIPTION "INTERNET SHORTCUTS" "EXIT STATUS" DIAGNOSTICS
                         "LINUX AND WINDOWS" EXAMPLE)
  if(NOT text MATCHES "\n${section}\n")
    message(FATAL_ERROR "the rendered page lacks the section ${section}")
  endif()
endforeach()
