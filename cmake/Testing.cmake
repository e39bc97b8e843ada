# GoogleTest for every configuration and one helper that registers a test
# program. Native builds take the distribution's library; the Windows builds
# compile the distribution's sources with mingw.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_library(vantor_gtest INTERFACE)
  target_link_libraries(vantor_gtest INTERFACE gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  add_library(vantor_gtest INTERFACE)
  target_link_libraries(vantor_gtest INTERFACE GTest::gtest GTest::gtest_main)
endif()

# vantor_add_test(NAME SOURCES... [LIBS ...] [LOCK resource] [SERIAL])
# Windows test programs run under Wine (CMAKE_CROSSCOMPILING_EMULATOR). Tests
# that touch the shared simulated device take LOCK zykacpi so CTest never runs
# two of them at once.
function(vantor_add_test name)
  cmake_parse_arguments(T "SERIAL" "LOCK" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE vantor_options vantor_gtest ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(T_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${T_LOCK})
  endif()
  if(T_SERIAL)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
