# The language server: the protocol logic in a library the tests link, the
# program around it, and its test under a real client. Latin-1 like the
# command line; it speaks UTF-8 at the boundary.
find_package(Threads REQUIRED)
file(GLOB LSP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/lsp/*.cpp)
list(FILTER LSP_SOURCES EXCLUDE REGEX ".*/main\\.cpp$")
list(FILTER LSP_SOURCES EXCLUDE REGEX ${QUILLOMAT_AUTRE_SYSTEME})
add_library(quillomat_lsp_lib STATIC ${LSP_SOURCES})
target_link_libraries(quillomat_lsp_lib PUBLIC quillomat_cli_lib quillomat_editing Threads::Threads)
target_compile_options(quillomat_lsp_lib PRIVATE ${QUILLOMAT_LATIN1} ${QUILLOMAT_WARNINGS})
add_executable(quillomat-lsp ${CMAKE_SOURCE_DIR}/src/lsp/main.cpp)
target_link_libraries(quillomat-lsp PRIVATE quillomat_lsp_lib)
target_compile_options(quillomat-lsp PRIVATE ${QUILLOMAT_LATIN1} ${QUILLOMAT_WARNINGS})
# Shipped in the VS Code extension for any Linux or Windows: static, like
# quillomat-check.
if(QUILLOMAT_STATIC_CHECK AND NOT QUILLOMAT_SANITIZE)
  target_link_options(quillomat-lsp PRIVATE -static)
endif()

if(QUILLOMAT_BUILD_TESTS)
  # tests/lsp is part of quillomat_tests; its process tests run the program.
  target_link_libraries(quillomat_tests PRIVATE quillomat_lsp_lib)
  target_compile_definitions(quillomat_tests PRIVATE QUILLOMAT_LSP_BINARY="$<TARGET_FILE:quillomat-lsp>")
  add_dependencies(quillomat_tests quillomat-lsp)
  add_test(NAME lsp_neovim
           COMMAND ${CMAKE_COMMAND} -DLSP=$<TARGET_FILE:quillomat-lsp> -DCHECK=$<TARGET_FILE:quillomat-check>
                   -DSCRIPT=${CMAKE_SOURCE_DIR}/data/exemple.txt -DINIT=${CMAKE_SOURCE_DIR}/tests/lsp/neovim/test_init.lua
                   -DWORK=${CMAKE_BINARY_DIR}/essai-neovim -P ${CMAKE_SOURCE_DIR}/tests/lsp/neovim_test.cmake)
  set_tests_properties(lsp_neovim PROPERTIES SKIP_REGULAR_EXPRESSION "Neovim absent" TIMEOUT 120)
endif()
