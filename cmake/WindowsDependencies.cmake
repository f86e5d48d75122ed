# Third-party libraries for the Windows cross build. Debian has no mingw builds of TinyXML and
# liblzma, so their Debian source packages (fetched by scripts/fetch-windows-deps.sh into
# OV_WINDOWS_DEPS_DIR) are compiled here into static libraries; GoogleTest is built from the
# sources that libgtest-dev ships. Provides ov::tinyxml, ov::lzma, GTest::gtest and
# GTest::gtest_main, as cmake/Dependencies.cmake does on a native build.
set(OV_WINDOWS_DEPS_DIR "${CMAKE_SOURCE_DIR}/build/windows-deps" CACHE PATH
    "Unpacked TinyXML and xz-utils sources for the Windows build")

set(_ov_tinyxml_dir "${OV_WINDOWS_DEPS_DIR}/tinyxml")
set(_ov_xz_dir "${OV_WINDOWS_DEPS_DIR}/xz-utils")
if(NOT EXISTS "${_ov_tinyxml_dir}/tinyxml.cpp" OR NOT EXISTS "${_ov_xz_dir}/src/liblzma/api/lzma.h")
  message(STATUS "Fetching the Windows dependencies into ${OV_WINDOWS_DEPS_DIR}")
  execute_process(
    COMMAND "${CMAKE_SOURCE_DIR}/scripts/fetch-windows-deps.sh" "${OV_WINDOWS_DEPS_DIR}"
    RESULT_VARIABLE _ov_fetch_result)
  if(NOT _ov_fetch_result EQUAL 0)
    message(FATAL_ERROR "scripts/fetch-windows-deps.sh failed (${_ov_fetch_result})")
  endif()
endif()

# Foreign code: built with its own warnings silenced, so that -Werror applies to ours only.
function(_ov_third_party target)
  set_property(TARGET ${target} PROPERTY COMPILE_OPTIONS -w)
endfunction()

# TinyXML, with its std::string interface as in Debian's build.
add_library(ov_tinyxml STATIC
  "${_ov_tinyxml_dir}/tinyxml.cpp"
  "${_ov_tinyxml_dir}/tinystr.cpp"
  "${_ov_tinyxml_dir}/tinyxmlerror.cpp"
  "${_ov_tinyxml_dir}/tinyxmlparser.cpp")
target_compile_definitions(ov_tinyxml PUBLIC TIXML_USE_STL)
target_include_directories(ov_tinyxml SYSTEM PUBLIC "${_ov_tinyxml_dir}")
_ov_third_party(ov_tinyxml)
add_library(ov::tinyxml ALIAS ov_tinyxml)

# liblzma, static, with the same source list and settings as xz-utils' own CMake build for
# 64-bit Windows (Vista threads, no DLL import/export).
set(_ov_lzma "${_ov_xz_dir}/src/liblzma")
add_library(ov_lzma STATIC
  "${_ov_xz_dir}/src/common/tuklib_cpucores.c"
  "${_ov_xz_dir}/src/common/tuklib_physmem.c")
foreach(_ov_source
    check/check.c check/crc32_fast.c check/crc32_table.c check/crc64_fast.c
    check/crc64_table.c check/sha256.c
    common/alone_decoder.c common/alone_encoder.c common/auto_decoder.c
    common/block_buffer_decoder.c common/block_buffer_encoder.c common/block_decoder.c
    common/block_encoder.c common/block_header_decoder.c common/block_header_encoder.c
    common/block_util.c common/common.c common/easy_buffer_encoder.c
    common/easy_decoder_memusage.c common/easy_encoder.c common/easy_encoder_memusage.c
    common/easy_preset.c common/file_info.c common/filter_buffer_decoder.c
    common/filter_buffer_encoder.c common/filter_common.c common/filter_decoder.c
    common/filter_encoder.c common/filter_flags_decoder.c common/filter_flags_encoder.c
    common/hardware_cputhreads.c common/hardware_physmem.c common/index.c
    common/index_decoder.c common/index_encoder.c common/index_hash.c common/lzip_decoder.c
    common/outqueue.c common/stream_buffer_decoder.c common/stream_buffer_encoder.c
    common/stream_decoder.c common/stream_decoder_mt.c common/stream_encoder.c
    common/stream_encoder_mt.c common/stream_flags_common.c common/stream_flags_decoder.c
    common/stream_flags_encoder.c common/string_conversion.c common/vli_decoder.c
    common/vli_encoder.c common/vli_size.c
    delta/delta_common.c delta/delta_decoder.c delta/delta_encoder.c
    lz/lz_decoder.c lz/lz_encoder.c lz/lz_encoder_mf.c
    lzma/fastpos_table.c lzma/lzma2_decoder.c lzma/lzma2_encoder.c lzma/lzma_decoder.c
    lzma/lzma_encoder.c lzma/lzma_encoder_optimum_fast.c lzma/lzma_encoder_optimum_normal.c
    lzma/lzma_encoder_presets.c
    rangecoder/price_table.c
    simple/arm.c simple/armthumb.c simple/arm64.c simple/ia64.c simple/powerpc.c
    simple/simple_coder.c simple/simple_decoder.c simple/simple_encoder.c simple/sparc.c
    simple/x86.c)
  target_sources(ov_lzma PRIVATE "${_ov_lzma}/${_ov_source}")
endforeach()
target_include_directories(ov_lzma PRIVATE
  "${_ov_lzma}/common" "${_ov_lzma}/check" "${_ov_lzma}/lz" "${_ov_lzma}/rangecoder"
  "${_ov_lzma}/lzma" "${_ov_lzma}/delta" "${_ov_lzma}/simple" "${_ov_xz_dir}/src/common")
target_include_directories(ov_lzma SYSTEM PUBLIC "${_ov_lzma}/api")
target_compile_definitions(ov_lzma
  PUBLIC LZMA_API_STATIC
  PRIVATE
    PACKAGE_NAME="XZ Utils" PACKAGE_BUGREPORT="xz@tukaani.org" PACKAGE_URL="https://tukaani.org/xz/"
    HAVE_CHECK_CRC32 HAVE_CHECK_CRC64 HAVE_CHECK_SHA256
    HAVE_DECODERS HAVE_DECODER_ARM HAVE_DECODER_ARMTHUMB HAVE_DECODER_ARM64
    HAVE_DECODER_DELTA HAVE_DECODER_IA64 HAVE_DECODER_LZMA1 HAVE_DECODER_LZMA2
    HAVE_DECODER_POWERPC HAVE_DECODER_SPARC HAVE_DECODER_X86
    HAVE_ENCODERS HAVE_ENCODER_ARM HAVE_ENCODER_ARMTHUMB HAVE_ENCODER_ARM64
    HAVE_ENCODER_DELTA HAVE_ENCODER_IA64 HAVE_ENCODER_LZMA1 HAVE_ENCODER_LZMA2
    HAVE_ENCODER_POWERPC HAVE_ENCODER_SPARC HAVE_ENCODER_X86
    HAVE_MF_BT2 HAVE_MF_BT3 HAVE_MF_BT4 HAVE_MF_HC3 HAVE_MF_HC4 HAVE_LZIP_DECODER
    HAVE_STDBOOL_H HAVE__BOOL HAVE_STDINT_H HAVE_INTTYPES_H
    HAVE___BUILTIN_BSWAPXX TUKLIB_FAST_UNALIGNED_ACCESS HAVE___BUILTIN_ASSUME_ALIGNED
    HAVE_IMMINTRIN_H HAVE__MM_MOVEMASK_EPI8 HAVE_CPUID_H
    MYTHREAD_VISTA TUKLIB_SYMBOL_PREFIX=lzma_ HAVE_VISIBILITY=0 NDEBUG)
_ov_third_party(ov_lzma)
add_library(ov::lzma ALIAS ov_lzma)

if(OV_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
  _ov_third_party(gtest)
  _ov_third_party(gtest_main)
  foreach(_ov_gtest gtest gtest_main)
    if(NOT TARGET GTest::${_ov_gtest})
      add_library(GTest::${_ov_gtest} ALIAS ${_ov_gtest})
    endif()
  endforeach()
endif()
