# vantor_add_dll(TARGET FILE_NAME DEF_FILE SOURCES... [STDCALL])
# A DLL of ours: FILE_NAME.dll (no "lib" prefix) built from the sources, its
# exports named by the .def file so they stay plain on i686, and after every
# build its export table checked to hold exactly the names the .def lists.
# STDCALL: the .def names __stdcall functions without their @N suffix, which
# the i686 linker then has to match up.
function(vantor_add_dll target file_name def_file)
  cmake_parse_arguments(D "STDCALL" "" "" ${ARGN})
  add_library(${target} SHARED ${D_UNPARSED_ARGUMENTS} ${def_file})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${file_name})
  target_link_libraries(${target} PRIVATE vantor_options)
  if(D_STDCALL AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup)
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:${target}> -DDEF=${CMAKE_CURRENT_SOURCE_DIR}/${def_file}
            -DOBJDUMP=${CMAKE_OBJDUMP} -P ${PROJECT_SOURCE_DIR}/cmake/CheckExports.cmake
    VERBATIM)
endfunction()
