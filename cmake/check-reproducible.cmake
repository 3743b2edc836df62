# Builds and packages the sources twice, in two build folders of different
# names and at different times, and checks that the program and the package
# come out byte for byte the same.
# -DSOURCE_DIR, -DWORK_DIR, -DPROGRAM (its name in the build folder),
# -DPACKAGE (a glob for the package), optionally -DTOOLCHAIN.
set(configure_options -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREEPAGE_TESTS=OFF
                      -DTREEPAGE_WERROR=ON)
if(TOOLCHAIN)
  list(APPEND configure_options -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${output}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(builds ${WORK_DIR}/a ${WORK_DIR}/second-build-folder)
foreach(build IN LISTS builds)
  run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} ${configure_options})
  run(${CMAKE_COMMAND} --build ${build})
  run(cpack --config ${build}/CPackConfig.cmake -B ${build}/package)
  # The second build starts in another second.
  run(${CMAKE_COMMAND} -E sleep 1)
endforeach()

foreach(file IN ITEMS ${PROGRAM} package/${PACKAGE})
  set(digests "")
  foreach(build IN LISTS builds)
    file(GLOB found ${build}/${file})
    if(NOT found)
      message(FATAL_ERROR "no ${file} in ${build}")
    endif()
    file(SHA256 ${found} digest)
    list(APPEND digests ${digest})
  endforeach()
  list(REMOVE_DUPLICATES digests)
  list(LENGTH digests kinds)
  if(NOT kinds EQUAL 1)
    message(FATAL_ERROR "${file} differs between the two builds: ${digests}")
  endif()
  message(STATUS "${file}: the same in both builds (${digests})")
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
