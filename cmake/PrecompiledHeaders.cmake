# The Windows tree compiles the system's and the standard library's headers
# once: nearly all of a source file's compile time went into reading
# <windows.h> and the standard headers again. Every target of the project
# takes its precompiled headers from one of two targets that exist only for
# them: the project's code from qv_pch, the test programs (which also read
# GoogleTest's header) from qv_test_pch.
set(QV_PCH_HEADERS <windows.h> <commctrl.h> <algorithm> <cstdint> <functional> <map> <memory> <string>
                   <string_view> <vector>)

add_library(qv_pch OBJECT "${CMAKE_CURRENT_LIST_DIR}/pch/empty.cpp")
target_precompile_headers(qv_pch PRIVATE ${QV_PCH_HEADERS})
add_library(qv_test_pch OBJECT "${CMAKE_CURRENT_LIST_DIR}/pch/empty.cpp")
target_precompile_headers(qv_test_pch PRIVATE ${QV_PCH_HEADERS} <gtest/gtest.h>)
target_link_libraries(qv_test_pch PRIVATE GTest::gtest)

# qv_precompile_all(): called once all targets exist. Targets that print
# UTF-8 (qv_utf8_literals) keep compiling the headers themselves: the
# precompiled ones hold GBK literals.
function(qv_precompile_all)
  set(dirs "${PROJECT_SOURCE_DIR}")
  while(dirs)
    list(POP_FRONT dirs dir)
    get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
    list(APPEND dirs ${subdirs})
    if(NOT dir MATCHES "^${PROJECT_SOURCE_DIR}")
      continue()
    endif()
    get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      get_target_property(options ${target} COMPILE_OPTIONS)
      if(target MATCHES "^qv_(test_)?pch$" OR NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$"
         OR "${options}" MATCHES "exec-charset=UTF-8")
        continue()
      endif()
      get_target_property(libraries ${target} LINK_LIBRARIES)
      if("${libraries}" MATCHES "GTest::")
        target_precompile_headers(${target} REUSE_FROM qv_test_pch)
      else()
        target_precompile_headers(${target} REUSE_FROM qv_pch)
      endif()
    endforeach()
  endwhile()
endfunction()
