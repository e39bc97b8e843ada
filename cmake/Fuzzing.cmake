# libFuzzer targets (VANTOR_FUZZ, native clang builds). Each target compiles
# the sources it fuzzes into itself with coverage instrumentation, and joins
# the target `fuzz`, which builds every fuzzer and nothing else:
#
#   vantor_add_fuzzer(NAME SOURCES a.cpp ... [INCLUDES dir ...] [LIBS lib ...]
#                     [DEFINITIONS NAME=value ...])
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VANTOR_FUZZ needs clang (libFuzzer); configure with CC=clang CXX=clang++")
endif()

add_custom_target(fuzz)

set(VANTOR_FUZZ_OPTIONS -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

function(vantor_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;INCLUDES;LIBS;DEFINITIONS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_include_directories(${name} PRIVATE ${F_INCLUDES})
  target_link_libraries(${name} PRIVATE ${F_LIBS} vantor_options)
  target_compile_definitions(${name} PRIVATE ${F_DEFINITIONS})
  target_compile_options(${name} PRIVATE ${VANTOR_FUZZ_OPTIONS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  add_dependencies(fuzz ${name})
endfunction()
