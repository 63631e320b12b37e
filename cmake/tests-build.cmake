# Which build the tests run from, decided once when the 32-bit build is first configured: the
# 32-bit build itself where Wine on this machine runs 32-bit programs; otherwise a 64-bit copy of
# the same sources in BUILD/x86_64 (some virtual machines run 64-bit user code only). The answer
# is kept in the cache and written to BUILD/tests-build for the Makefile.
if(NOT KIRUNNER_WINE_ARCH STREQUAL win32)
    return()
endif()
if(NOT DEFINED KIRUNNER_WINE_RUNS_32BIT)
    execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine32-works.sh RESULT_VARIABLE wine32_result)
    if(wine32_result EQUAL 0)
        set(wine32_runs ON)
    else()
        set(wine32_runs OFF)
    endif()
    set(KIRUNNER_WINE_RUNS_32BIT ${wine32_runs} CACHE BOOL
        "Whether Wine on this machine runs 32-bit programs (probed at the first configure)")
endif()
if(KIRUNNER_WINE_RUNS_32BIT)
    set(tests_build ${CMAKE_BINARY_DIR})
    message(STATUS "Wine runs 32-bit programs here: the tests run from this build")
else()
    set(tests_build ${CMAKE_BINARY_DIR}/x86_64)
    message(STATUS "Wine runs no 32-bit programs here: the tests run from a 64-bit copy in ${tests_build}")
endif()
file(WRITE ${CMAKE_BINARY_DIR}/tests-build "${tests_build}\n")
