# GoogleTest: Debian's package natively; compiled from Debian's sources for the cross build.
if(WIN32)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main gmock gmock_main)
        target_compile_options(${t} PRIVATE -w)
    endforeach()
    # The sources define the GTest:: aliases themselves.
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)
