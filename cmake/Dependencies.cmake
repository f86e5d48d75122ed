# Third-party libraries as imported targets: ov::tinyxml, ov::lzma, and GoogleTest.
# On a native build they come from Debian's packages; a Windows cross build builds them
# from source first (see cmake/WindowsDependencies.cmake).
if(WIN32 AND CMAKE_CROSSCOMPILING)
  include(cmake/WindowsDependencies.cmake)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(TINYXML REQUIRED IMPORTED_TARGET tinyxml)
  pkg_check_modules(LZMA REQUIRED IMPORTED_TARGET liblzma)
  add_library(ov::tinyxml ALIAS PkgConfig::TINYXML)
  add_library(ov::lzma ALIAS PkgConfig::LZMA)
  if(OV_BUILD_TESTS)
    find_package(GTest REQUIRED)
  endif()
endif()
