# Installs into a throw-away prefix and checks what lands where.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file IN ITEMS bin/treepage share/man/man1/treepage.1.gz share/doc/treepage/README.md
                      share/doc/treepage/copyright share/doc/treepage/changelog.gz)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "cmake --install put no ${file} under the prefix")
  endif()
endforeach()
