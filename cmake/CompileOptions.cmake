# One set of compiler options for the native, Windows x86_64 and Windows i686
# builds. Warnings are errors everywhere.
add_library(vantor_options INTERFACE)
target_compile_features(vantor_options INTERFACE cxx_std_20)
target_compile_options(vantor_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Werror
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Wold-style-cast>)

if(WIN32)
  # Windows outputs carry their C and C++ runtimes inside, so a program runs
  # from its folder without any mingw DLL beside it.
  target_link_options(vantor_options INTERFACE -static -static-libgcc -static-libstdc++)
  target_compile_definitions(vantor_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

# Sanitizers for everything built natively (tests run there under ASan/UBSan).
if(NOT WIN32 AND VANTOR_SANITIZE)
  target_compile_options(vantor_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vantor_options INTERFACE -fsanitize=address,undefined)
endif()
