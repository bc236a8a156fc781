# Hardening builds.
#
# QUILLOMAT_SANITIZE: every target of this build with AddressSanitizer and
# UndefinedBehaviorSanitizer, any fault ending the program at once
# (scripts/sanitize.sh). The flags go into CMAKE_CXX_FLAGS, which CMake reads
# at the end of the directory: the targets defined above get them too.
#
# QUILLOMAT_BUILD_FUZZ: the libFuzzer targets (clang only, fuzz/run.sh). They
# link their own copy of the checker library, instrumented for coverage.
option(QUILLOMAT_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(QUILLOMAT_SANITIZE)
  set(QUILLOMAT_SANITIZE_FLAGS "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer")
  set(CMAKE_CXX_FLAGS "${CMAKE_CXX_FLAGS} ${QUILLOMAT_SANITIZE_FLAGS}")
  set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} ${QUILLOMAT_SANITIZE_FLAGS}")
endif()

option(QUILLOMAT_BUILD_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(QUILLOMAT_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUILLOMAT_BUILD_FUZZ demande clang (CXX=clang++).")
  endif()
  set(QUILLOMAT_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_library(quillomat_checker_fuzz STATIC ${CHECKER_SOURCES})
  target_include_directories(quillomat_checker_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src)
  # clang writes literals as UTF-8 only: the accented messages are longer by
  # a byte or two, which changes no path that the fuzzer explores.
  target_compile_options(quillomat_checker_fuzz PRIVATE -fsanitize=fuzzer-no-link ${QUILLOMAT_FUZZ_FLAGS})
  # The language server's reader with all it calls: its protocol code, the
  # command line's shared pieces and the editor's logic, instrumented too.
  add_library(quillomat_lsp_fuzz STATIC ${LSP_SOURCES} ${CLI_SOURCES} ${EDITING_SOURCES})
  target_link_libraries(quillomat_lsp_fuzz PUBLIC quillomat_checker_fuzz CLI11::CLI11 nlohmann_json::nlohmann_json
                                                  Threads::Threads)
  target_compile_options(quillomat_lsp_fuzz PRIVATE -fsanitize=fuzzer-no-link ${QUILLOMAT_FUZZ_FLAGS})
  foreach(cible check triinfo rtf lsp)
    add_executable(quillomat_fuzz_${cible} ${CMAKE_SOURCE_DIR}/fuzz/${cible}_fuzz.cpp)
    target_link_libraries(quillomat_fuzz_${cible} PRIVATE quillomat_checker_fuzz)
    # The report shape is shared with the hostile input tests.
    target_include_directories(quillomat_fuzz_${cible} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_options(quillomat_fuzz_${cible} PRIVATE -fsanitize=fuzzer ${QUILLOMAT_FUZZ_FLAGS})
    target_link_options(quillomat_fuzz_${cible} PRIVATE -fsanitize=fuzzer ${QUILLOMAT_FUZZ_FLAGS})
  endforeach()
  # The RTF reader stands alone: its one source, instrumented with the target.
  target_sources(quillomat_fuzz_rtf PRIVATE ${CMAKE_SOURCE_DIR}/src/app/core/rtf_reader.cpp)
  target_link_libraries(quillomat_fuzz_lsp PRIVATE quillomat_lsp_fuzz)
endif()
