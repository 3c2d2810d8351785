# Cross build for Windows with mingw-w64, posix thread variant (std::mutex for GoogleTest).
# VELPINERS_WIN_ARCH picks the target: i686 (the shipped 32-bit program, the default) or x86_64 (the same
# sources as a 64-bit program, for machines whose kernel cannot run 32-bit Wine).
if(NOT DEFINED VELPINERS_WIN_ARCH)
  set(VELPINERS_WIN_ARCH i686)
endif()
set(VELPINERS_WIN_ARCH ${VELPINERS_WIN_ARCH} CACHE STRING "Windows target: i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELPINERS_WIN_ARCH})
set(triple ${VELPINERS_WIN_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
# Both builds must compute the same pixels. On x86_64 doubles are SSE arithmetic anyway; on i686 the
# default is the x87 unit, whose excess precision rounds differently, so every i686 target (the program,
# its tests, the tools and the GoogleTest sources) uses SSE2 instead. No fused multiply-add on either
# (-ffp-contract=off, set for every target in CMakeLists.txt).
if(VELPINERS_WIN_ARCH STREQUAL "i686")
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests of this build run under Wine in a private prefix inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
