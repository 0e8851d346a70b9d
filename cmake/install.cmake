# Install rules: headers, the library, a CMake package (vxcheck::vxcheck) and vxcheck.pc.
include(CMakePackageConfigHelpers)

install(TARGETS vxcheck EXPORT vxcheck-targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/vxcheck DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT vxcheck-targets NAMESPACE vxcheck::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vxcheck)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/vxcheck-config.cmake.in
  ${PROJECT_BINARY_DIR}/vxcheck-config.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vxcheck)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vxcheck-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vxcheck-config.cmake
  ${PROJECT_BINARY_DIR}/vxcheck-config-version.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vxcheck)

# The .pc file finds the prefix relative to itself, so the package can be installed anywhere.
file(RELATIVE_PATH VXCHECK_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/vxcheck.pc.in ${PROJECT_BINARY_DIR}/vxcheck.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vxcheck.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
