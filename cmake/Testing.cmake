# GoogleTest from the sources that Debian's googletest package ships, built
# with this project's compiler, so it serves the native and the Windows build.
set(QV_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS "${QV_GTEST_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found in ${QV_GTEST_SOURCE_DIR}: run scripts/setup")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${QV_GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL SYSTEM)
qv_utf8_literals(gtest)
qv_utf8_literals(gtest_main)

# qv_add_test(NAME SOURCES... [LIBS libs...])
# One test program, run as one CTest test. Windows test programs run under
# Wine, each on a desk of its own (scripts/on-desk: a private prefix and a
# private display), so that they run at the same time although they show
# windows, read pixels back from the screen and give real mouse and keyboard
# input.
function(qv_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  if(WIN32)
    # Windows test programs are console programs that may open windows.
    target_link_options(${name} PRIVATE -mconsole)
    add_test(NAME ${name} COMMAND "${PROJECT_SOURCE_DIR}/scripts/on-desk" $<TARGET_FILE:${name}> --gtest_color=no)
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
