# The Windows build's tests: GoogleTest built from its sources, and the test files that check what
# only the Linux builds have, each named with the reason it cannot run under Windows. Every other
# test runs in both builds; platform/ and module/ choose their own tests of each system.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(VXCHECK_WINDOWS_EXCLUDED
  # /dev/zero, /proc/self/mem, FIFOs and file modes: devices and files that Windows does not have.
  database/database_file_test.cpp
  # Counts open descriptors in /proc/self/fd and memory in /proc/self/status.
  database/read_database_test.cpp
  database/limits_test.cpp
  # Points TMPDIR at a folder of its own (Windows takes TMP and TEMP) and makes it with mkdtemp.
  phreeqc3/read_database_test.cpp
  # Start the program with fork and exec and read its pipes.
  cli/program_test.cpp
  lsp/serve_test.cpp
  # Reads /dev/zero and /proc/self/mem through the command line.
  cli/run_cli_test.cpp
  # Makes its folders with mkdtemp and sets variables with setenv.
  cli/lint_test.cpp)

# Called once the test folders are added. MinGW's GCC 12 takes the strings of a moved aggregate in
# name_table_test.cpp for "maybe uninitialized".
function(vxcheck_windows_test_options)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/tests/names/name_table_test.cpp
    DIRECTORY ${PROJECT_SOURCE_DIR}/tests/names PROPERTIES COMPILE_OPTIONS -Wno-maybe-uninitialized)
endfunction()

# Test cases left out under Wine, as GoogleTest patterns.
set(VXCHECK_WINDOWS_EXCLUDED_CASES
  # 100,000 sibling items into the tree view: a test of the library's walk without recursion,
  # which the Linux builds run in under a second; Wine's tree view took more than ten minutes.
  VisualTreeChain.InsertsLongSiblingChainsInOrder)
string(REPLACE ";" ":" VXCHECK_WINDOWS_GTEST_FILTER "-${VXCHECK_WINDOWS_EXCLUDED_CASES}")

# Sets out to the sources of ARGN that the Windows build compiles.
function(vxcheck_windows_sources out)
  set(kept)
  foreach(source IN LISTS ARGN)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR}/${source})
    if(NOT relative IN_LIST VXCHECK_WINDOWS_EXCLUDED)
      list(APPEND kept ${source})
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()
