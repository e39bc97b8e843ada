# Fails the build when the driver DRIVER imports from anything but the
# kernel and the HAL: a user-mode DLL (a C++ runtime pulled in by a stray
# standard-library call) cannot be loaded in kernel mode, and the service
# would not start.
execute_process(COMMAND ${OBJDUMP} -p ${DRIVER} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot read the import table of ${DRIVER}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
foreach(entry ${names})
  string(REGEX REPLACE "DLL Name: " "" name "${entry}")
  string(STRIP "${name}" name)
  string(TOLOWER "${name}" lower)
  if(NOT lower STREQUAL "ntoskrnl.exe" AND NOT lower STREQUAL "hal.dll")
    message(FATAL_ERROR "${DRIVER} imports from ${name}; a kernel-mode driver may import from ntoskrnl.exe and HAL.dll only")
  endif()
endforeach()
