# What the Windows build (cmake/mingw-w64.cmake) needs beyond the toolchain: the Windows headers
# without their min and max macros, and the header-only JSON library of the host, which the
# MinGW sysroot lacks.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# Every program and the DLL in one folder, since Windows finds a program's DLLs beside it.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# nlohmann-json is headers only: a package of its name in the build folder hands the host's
# headers to the cross compiler, through a folder that holds nothing else, so that no other
# header of the host can shadow the MinGW ones.
find_path(VXCHECK_HOST_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
  NO_DEFAULT_PATH)
if(VXCHECK_HOST_JSON_INCLUDE AND NOT TARGET nlohmann_json::nlohmann_json)
  set(json_package ${PROJECT_BINARY_DIR}/windows-packages/nlohmann_json)
  file(MAKE_DIRECTORY ${json_package}/include)
  file(CREATE_LINK ${VXCHECK_HOST_JSON_INCLUDE}/nlohmann ${json_package}/include/nlohmann SYMBOLIC)
  file(WRITE ${json_package}/nlohmann_jsonConfig.cmake
    "add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)\n"
    "set_target_properties(nlohmann_json::nlohmann_json PROPERTIES\n"
    "  INTERFACE_INCLUDE_DIRECTORIES ${json_package}/include)\n")
  file(WRITE ${json_package}/nlohmann_jsonConfigVersion.cmake
    "set(PACKAGE_VERSION 3.11.2)\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
  set(nlohmann_json_DIR ${json_package} CACHE PATH "nlohmann-json for the Windows build" FORCE)
endif()

# MinGW's GCC 12 reports impossible overlaps inside libstdc++'s own string copies (GCC bug 105651),
# which -Werror would turn into errors in code that is right.
add_compile_options(-Wno-restrict)
