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
message(STATUS "${archive}: ${names}")
