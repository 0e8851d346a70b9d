# Installs the built library into a fresh prefix, then builds and runs a consumer project with
# find_package and with pkg-config. Run with -DBUILD_DIR=... -DWORK_DIR=... -DCONSUMER_DIR=...
file(REMOVE_RECURSE ${WORK_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/run.cmake)

set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${prefix}/lib ${WORK_DIR}/consumer/consumer)

# The same program, compiled and linked with the flags that vxcheck.pc gives.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${prefix}/lib/pkgconfig
          pkg-config --cflags --libs vxcheck
  RESULT_VARIABLE status OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not find vxcheck")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CXX} ${CONSUMER_DIR}/main.cpp ${flags} -o ${WORK_DIR}/consumer-pc)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${prefix}/lib ${WORK_DIR}/consumer-pc)

# The installed program finds the installed library by itself, and reads the installed sample.
run(${prefix}/bin/vxcheck --db ${prefix}/share/vxcheck/sample.dat gases)

# A database named by its file name alone, absent from the working folder, is the installed copy;
# the program in the build tree finds the shipped one.
foreach(program ${prefix}/bin/vxcheck ${BUILD_DIR}/tools/cli/vxcheck)
  execute_process(COMMAND ${program} --db phreeqc.dat gases WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE gases ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR NOT gases MATCHES "CH4\\(g\\)")
    message(FATAL_ERROR "${program} --db phreeqc.dat does not read phreeqc.dat (${status}): ${out}")
  endif()
endforeach()
if(NOT EXISTS ${prefix}/share/man/man1/vxcheck.1)
  message(FATAL_ERROR "the manual page of vxcheck is not installed")
endif()
