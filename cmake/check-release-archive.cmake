# Makes the Windows release archive and checks that it holds exactly the
# program, the README and the licence.
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${BUILD_DIR}/package
                RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "cpack failed")
endif()
set(archive ${BUILD_DIR}/package/treepage-${VERSION}-win32.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${archive}
                OUTPUT_VARIABLE listing RESULT_VARIABLE listed)
string(REPLACE "\n" ";" names "${listing}")
list(REMOVE_ITEM names "")
list(SORT names)
if(NOT listed EQUAL 0 OR NOT names STREQUAL "LICENSE;README.md;treepage.exe")
  message(FATAL_ERROR "${archive} holds: ${names}")
endif()
file(SHA256 ${archive} digest)
file(READ ${archive}.sha256 checksum_line)
if(NOT checksum_line STREQUAL "${digest}  treepage-${VERSION}-win32.zip\n")
  message(FATAL_ERROR "${archive}.sha256 holds '${checksum_line}', not the digest ${digest}")
endif()
message(STATUS "${archive}: ${names}")
