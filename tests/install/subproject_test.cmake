# Configures, builds and runs the host project of subproject/ once with add_subdirectory and once
# with FetchContent. Run with -DSOURCE_DIR=... -DWORK_DIR=... -DCONSUMER_DIR=... [-DLAUNCHER=...]
file(REMOVE_RECURSE ${WORK_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/run.cmake)

foreach(mode AddSubdirectory FetchContent)
  set(build ${WORK_DIR}/${mode})
  run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${build} -DVXCHECK_CONSUMER_MODE=${mode}
      -DVXCHECK_SOURCE_DIR=${SOURCE_DIR} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
  run(${CMAKE_COMMAND} --build ${build} -j 2)
  run(${build}/consumer)
endforeach()
