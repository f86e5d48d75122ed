# `cmake --install`: the library with its headers (under include/ovcore, so that includes stay
# "core/ovstring.h"), the programs, a CMake package (find_package(ovcore CONFIG) gives
# ovcore::ovcore) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS ovcore EXPORT ovcoreTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  )
install(DIRECTORY src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ovcore
  FILES_MATCHING PATTERN "*.h"
  PATTERN "packager" EXCLUDE
  PATTERN "tools" EXCLUDE)
foreach(program OvGamePackager OvDataTool)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

set(_ov_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ovcore)
install(EXPORT ovcoreTargets NAMESPACE ovcore:: DESTINATION ${_ov_cmake_dir})
configure_package_config_file(cmake/ovcoreConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/ovcoreConfig.cmake INSTALL_DESTINATION ${_ov_cmake_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ovcoreConfigVersion.cmake
  VERSION 1.0.0 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ovcoreConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/ovcoreConfigVersion.cmake DESTINATION ${_ov_cmake_dir})

# The pkg-config file finds its prefix from where it lies, so --prefix at install time works.
set(OV_PC_PREFIX "\${pcfiledir}/..")
string(REPLACE "/" ";" _ov_libdir_parts "${CMAKE_INSTALL_LIBDIR}")
foreach(_part IN LISTS _ov_libdir_parts)
  string(APPEND OV_PC_PREFIX "/..")
endforeach()
configure_file(cmake/ovcore.pc.in ${CMAKE_CURRENT_BINARY_DIR}/ovcore.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ovcore.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# Installs the built tree into a scratch prefix and builds a small consumer against it. The
# sanitizer build is left out: its archive needs the sanitizer runtime in every consumer.
if(OV_BUILD_TESTS AND NOT CMAKE_CROSSCOMPILING AND NOT OV_SANITIZE)
  add_test(NAME InstalledPackage.ConsumerBuildsAndRuns
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR}
            ${CMAKE_SOURCE_DIR}/tests/install/consumer ${CMAKE_CXX_COMPILER})
endif()
