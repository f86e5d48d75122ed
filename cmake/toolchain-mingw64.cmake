# Cross build for 64-bit Windows with mingw-w64 (the posix-threads compilers, whose libstdc++
# has std::thread), running the built programs under Wine.
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OV_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OV_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OV_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${OV_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without -static the programs need libstdc++ and winpthread DLLs that Wine cannot find, and
# fail to start without a word.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(OV_WINE_PROGRAM NAMES wine wine64)
if(OV_WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${OV_WINE_PROGRAM})
endif()
