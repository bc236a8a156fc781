# The benchmarks: the script generator, the in-process measures (Google
# Benchmark), the whole-process measures of quillomat-check, and the tool
# that writes the generated scripts to files. The two tools print UTF-8 to
# the terminal, so only the generator is compiled to Latin-1 like the checker.
find_package(benchmark REQUIRED)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
list(FILTER BENCH_SOURCES EXCLUDE REGEX ".*/script_generator\\.cpp$")
add_executable(quillomat_bench ${BENCH_SOURCES})
target_link_libraries(quillomat_bench PRIVATE quillomat_lsp_lib quillomat_bench_scripts benchmark::benchmark_main)
target_compile_options(quillomat_bench PRIVATE ${QUILLOMAT_LATIN1})

add_executable(quillomat_process_bench ${CMAKE_SOURCE_DIR}/bench/tools/process_bench.cpp)
target_link_libraries(quillomat_process_bench PRIVATE quillomat_checker quillomat_bench_scripts)
target_compile_options(quillomat_process_bench PRIVATE ${QUILLOMAT_WARNINGS})
target_compile_definitions(quillomat_process_bench PRIVATE QUILLOMAT_CHECK_BINARY="$<TARGET_FILE:quillomat-check>")
add_dependencies(quillomat_process_bench quillomat-check)

# quillomat-lsp as a process: the delay of the diagnostics after a change,
# the memory over many changes.
add_executable(quillomat_lsp_bench ${CMAKE_SOURCE_DIR}/bench/tools/lsp_process_bench.cpp)
target_link_libraries(quillomat_lsp_bench PRIVATE quillomat_lsp_lib quillomat_bench_scripts)
target_compile_options(quillomat_lsp_bench PRIVATE ${QUILLOMAT_WARNINGS})
target_compile_definitions(quillomat_lsp_bench PRIVATE QUILLOMAT_LSP_BINARY="$<TARGET_FILE:quillomat-lsp>")
add_dependencies(quillomat_lsp_bench quillomat-lsp)
