# One fuzz target per parser of outside bytes: tests/fuzz/fuzz_<name>.cpp defines
# LLVMFuzzerTestOneInput, and tests/fuzz/corpus/fuzz_<name>/ holds its seeds and every
# input that once crashed it.
#
# With TARVEN_FUZZ (clang) each becomes a libFuzzer program; otherwise each becomes a
# replay program that the test suite runs over its corpus with the normal compiler.
file(GLOB fuzz_targets CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)

add_library(tarven_fuzz_support STATIC ${CMAKE_SOURCE_DIR}/tests/fuzz/FuzzSupport.cpp)
target_include_directories(tarven_fuzz_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/fuzz)
target_link_libraries(tarven_fuzz_support PUBLIC tarvencli)   # the dump, run on every opened file
target_compile_definitions(tarven_fuzz_support PUBLIC TARVEN_FUZZ_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
tarven_precompile(tarven_fuzz_support REUSE_FROM tarvencore)

foreach(source ${fuzz_targets})
  get_filename_component(name ${source} NAME_WE)
  set(corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  if(TARVEN_FUZZ)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE tarven_fuzz_support)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(replay_${name} ${source} ${CMAKE_SOURCE_DIR}/tests/fuzz/ReplayMain.cpp)
    target_link_libraries(replay_${name} PRIVATE tarven_fuzz_support)
    tarven_precompile(replay_${name} REUSE_FROM tarvencore)
    add_test(NAME replay_${name} COMMAND replay_${name} ${corpus})
    set_tests_properties(replay_${name} PROPERTIES TIMEOUT 300)
  endif()
endforeach()
