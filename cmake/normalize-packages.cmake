# Run by CPack after it made the packages, before it copies them out and
# writes their checksums: packs each again so that the same sources give the
# same bytes, wherever and whenever they are built. Every member gets the time
# SOURCE_DATE_EPOCH (from the environment, or else the last commit's), the
# owner root (no owner at all in a zip) and a place in sorted order.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
  execute_process(COMMAND git -C ${CPACK_TREEPAGE_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE logged
                  ERROR_QUIET)
  if(NOT logged EQUAL 0 OR epoch STREQUAL "")
    # Sources without their history: the time of the newest release entry.
    set(epoch ${CPACK_TREEPAGE_RELEASE_EPOCH})
  endif()
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}")
  endif()
endfunction()

# Every file and folder below `folder` gets the time `epoch`.
function(stamp folder)
  file(GLOB_RECURSE members LIST_DIRECTORIES true ${folder}/*)
  run(touch --no-dereference --date=@${epoch} ${folder} ${members})
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(work ${package}.contents)
  file(REMOVE_RECURSE ${work})
  if(package MATCHES "\\.deb$")
    run(dpkg-deb --raw-extract ${package} ${work})
    stamp(${work})
    file(REMOVE ${package})
    run(${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
        dpkg-deb --root-owner-group -Zxz --build ${work} ${package})
  elseif(package MATCHES "\\.zip$")
    file(MAKE_DIRECTORY ${work})
    run(${CMAKE_COMMAND} -E chdir ${work} ${CMAKE_COMMAND} -E tar xf ${package})
    stamp(${work})
    file(GLOB_RECURSE members RELATIVE ${work} ${work}/*)
    list(SORT members)
    file(REMOVE ${package})
    # -X: no owners or extra times; -D: no folder entries; times in UTC.
    run(${CMAKE_COMMAND} -E env TZ=UTC ${CMAKE_COMMAND} -E chdir ${work}
        zip -q -X -D -9 ${package} ${members})
  endif()
  file(REMOVE_RECURSE ${work})
endforeach()
