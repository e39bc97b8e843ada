# Folders whose every .cpp belongs to one target, Windows-only files ending
# in _win.cpp, and test programs found by name.

# vantor_sources(VAR PATTERN...): the files the patterns match, without the
# *_win.cpp ones outside the Windows builds.
function(vantor_sources var)
  file(GLOB sources CONFIGURE_DEPENDS ${ARGN})
  if(NOT WIN32)
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  set(${var} ${sources} PARENT_SCOPE)
endfunction()

# vantor_test_sources(VAR FOLDER): FOLDER/*Test.cpp in the native build (one
# program each, run with the sanitizers), FOLDER/*Test_win.cpp in the Windows
# builds (run under Wine).
function(vantor_test_sources var folder)
  if(WIN32)
    file(GLOB tests CONFIGURE_DEPENDS ${folder}/*Test_win.cpp)
  else()
    file(GLOB tests CONFIGURE_DEPENDS ${folder}/*Test.cpp)
  endif()
  set(${var} ${tests} PARENT_SCOPE)
endfunction()
