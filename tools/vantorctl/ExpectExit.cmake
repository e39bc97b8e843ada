# Runs RUNNER PROGRAM ARGS... and fails unless the exit code is CODE and the
# combined output matches MATCH (when given). SETUP, when given, is run with
# the same program first (it must succeed); CLEANUP is run afterwards
# whatever happened, so a test that changes the shared board puts it back.
if(DEFINED SETUP AND NOT SETUP STREQUAL "")
  separate_arguments(setup_arguments UNIX_COMMAND "${SETUP}")
  execute_process(COMMAND ${RUNNER} ${PROGRAM} ${setup_arguments} RESULT_VARIABLE setup_code
    OUTPUT_VARIABLE setup_out ERROR_VARIABLE setup_out)
  if(NOT setup_code EQUAL 0)
    message(FATAL_ERROR "setup '${SETUP}' failed with ${setup_code}: ${setup_out}")
  endif()
endif()
separate_arguments(arguments UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${RUNNER} ${PROGRAM} ${arguments}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(DEFINED CLEANUP AND NOT CLEANUP STREQUAL "")
  separate_arguments(cleanup_arguments UNIX_COMMAND "${CLEANUP}")
  execute_process(COMMAND ${RUNNER} ${PROGRAM} ${cleanup_arguments} RESULT_VARIABLE cleanup_code)
  if(NOT cleanup_code EQUAL 0)
    message(FATAL_ERROR "cleanup '${CLEANUP}' failed with ${cleanup_code}")
  endif()
endif()
if(NOT code EQUAL CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${CODE}")
endif()
if(DEFINED MATCH AND NOT "${out}${err}" MATCHES "${MATCH}")
  message(FATAL_ERROR "output does not match: ${MATCH}")
endif()
