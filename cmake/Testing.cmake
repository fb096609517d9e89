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
# One test program, run as one CTest test; Windows test programs run under
# Wine through the cross-compiling emulator.
function(qv_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  if(WIN32)
    # Windows test programs are console programs that may open windows.
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(WIN32)
    # Windows tests share one display and one Wine desktop: a window that one
    # of them shows or activates would cover or deactivate another's, whose
    # tests read pixels back from the screen and give real mouse and
    # keyboard input. They take the display in turns.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()
