# Runs RUNNER PROGRAM ARGS... and fails unless the exit code is CODE and the
# combined output matches MATCH (when given).
separate_arguments(arguments UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${RUNNER} ${PROGRAM} ${arguments}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT code EQUAL CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${CODE}")
endif()
if(DEFINED MATCH AND NOT "${out}${err}" MATCHES "${MATCH}")
  message(FATAL_ERROR "output does not match: ${MATCH}")
endif()
