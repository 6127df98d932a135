# parental_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One test program per layer; CTest runs it once (under Wine in the Windows build).
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

function(parental_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# parental_add_benchmark(<name> SOURCES <files...> LIBS <targets...>): native only;
# `./run bench` builds the target `benchmarks` optimised and runs each one.
if(NOT WIN32)
  find_package(benchmark REQUIRED)
  add_custom_target(benchmarks)
endif()
function(parental_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  add_dependencies(benchmarks ${name})
endfunction()

# parental_add_fuzzer(<name> SOURCES <files...> LIBS <targets...>): libFuzzer targets,
# built only by clang. Each also runs once over its seed folder fuzz/seeds/<name> as a test,
# so that every input that once crashed stays fixed.
function(parental_add_fuzzer name)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    return()
  endif()
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name}_fuzz ${F_SOURCES})
  target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name}_fuzz PRIVATE ${F_LIBS})
  # All in one folder, where `./run fuzz` looks for them.
  set_target_properties(${name}_fuzz PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set(seeds ${PROJECT_SOURCE_DIR}/fuzz/seeds/${name})
  if(EXISTS ${seeds})
    add_test(NAME ${name}_fuzz_seeds COMMAND ${name}_fuzz -runs=0 ${seeds})
  endif()
endfunction()
