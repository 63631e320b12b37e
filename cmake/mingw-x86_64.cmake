# Cross-compiles for 64-bit Windows with MinGW-w64: the tests' build on machines whose Wine runs
# no 32-bit programs (see cmake/tests-build.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
