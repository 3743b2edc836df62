# Makes the Debian package, checks its file list, unpacks it into a
# throw-away root and runs the unpacked program on the example folder: its
# page must equal the one the build's own program writes.
set(work ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/root)
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${work}
                RESULT_VARIABLE packed OUTPUT_QUIET)
file(GLOB package ${work}/treepage_${VERSION}_*.deb)
if(NOT packed EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack made no treepage_${VERSION}_*.deb")
endif()
execute_process(COMMAND dpkg-deb -c ${package} OUTPUT_VARIABLE listing RESULT_VARIABLE listed)
foreach(file IN ITEMS ./usr/bin/treepage ./usr/share/man/man1/treepage.1.gz
                      ./usr/share/doc/treepage/README.md ./usr/share/doc/treepage/copyright
                      ./usr/share/doc/treepage/changelog.gz)
  string(FIND "${listing}" " ${file}\n" found)
  if(NOT listed EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "${package} lacks ${file}:\n${listing}")
  endif()
endforeach()
execute_process(COMMAND dpkg-deb -x ${package} ${work}/root RESULT_VARIABLE unpacked)
execute_process(COMMAND ${work}/root/usr/bin/treepage ${EXAMPLE} ${work}/installed.html
                RESULT_VARIABLE ran_installed)
execute_process(COMMAND ${PROGRAM} ${EXAMPLE} ${work}/built.html RESULT_VARIABLE ran_built)
if(NOT unpacked EQUAL 0 OR NOT ran_installed EQUAL 0 OR NOT ran_built EQUAL 0)
  message(FATAL_ERROR "the unpacked program did not run")
endif()
file(READ ${work}/installed.html installed_page)
file(READ ${work}/built.html built_page)
if(NOT installed_page STREQUAL built_page OR NOT installed_page MATCHES "https://www.debian.org/")
  message(FATAL_ERROR "the installed program wrote another page")
endif()
# Its checksum stands beside it, in the form sha256sum -c reads.
get_filename_component(package_name ${package} NAME)
file(SHA256 ${package} digest)
file(READ ${package}.sha256 checksum_line)
if(NOT checksum_line STREQUAL "${digest}  ${package_name}\n")
  message(FATAL_ERROR "${package}.sha256 holds '${checksum_line}', not the digest ${digest}")
endif()

# What a distribution asks of a package: no lintian error and no warning.
execute_process(COMMAND lintian --fail-on error,warning --info ${package}
                OUTPUT_VARIABLE findings ERROR_VARIABLE findings RESULT_VARIABLE linted)
if(NOT linted EQUAL 0)
  message(FATAL_ERROR "lintian on ${package}:\n${findings}")
endif()
message(STATUS "${package}\nlintian:\n${findings}")
