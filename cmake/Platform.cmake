# Compiler settings of the two configurations: Windows (mingw-w64, run under Wine)
# and native (portable layers only, with AddressSanitizer and UndefinedBehaviorSanitizer).
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(WIN32)
  enable_language(RC)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # One self-contained binary each: no mingw runtime DLLs beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
else()
  option(PARENTAL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
  if(PARENTAL_SANITIZE)
    add_compile_options(-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      # Coverage for libFuzzer in every library, so that fuzz targets see the code they drive.
      add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
  endif()
endif()
