# The word list of the editor's colouring, generated from the checker's own
# catalogue at build time and written beside the programs.
add_executable(quillomat_fonctions_txt ${CMAKE_SOURCE_DIR}/src/tools/fonctions_txt.cpp)
target_link_libraries(quillomat_fonctions_txt PRIVATE quillomat_editing)
target_compile_options(quillomat_fonctions_txt PRIVATE ${QUILLOMAT_LATIN1} ${QUILLOMAT_WARNINGS})

set(QUILLOMAT_FONCTIONS_TXT ${CMAKE_BINARY_DIR}/fonctions.txt)
add_custom_command(
  OUTPUT ${QUILLOMAT_FONCTIONS_TXT}
  COMMAND quillomat_fonctions_txt ${QUILLOMAT_FONCTIONS_TXT}
  DEPENDS quillomat_fonctions_txt
  COMMENT "Writing fonctions.txt"
  VERBATIM)
add_custom_target(quillomat_fonctions ALL DEPENDS ${QUILLOMAT_FONCTIONS_TXT})

# The VS Code extension's grammar, from the same word list (editors/vscode).
# Compiled as UTF-8: it writes JSON.
find_package(nlohmann_json REQUIRED)
add_executable(quillomat_grammaire ${CMAKE_SOURCE_DIR}/src/tools/textmate_grammar.cpp)
target_link_libraries(quillomat_grammaire PRIVATE quillomat_editing quillomat_cli_lib)
target_compile_options(quillomat_grammaire PRIVATE ${QUILLOMAT_WARNINGS})
set(QUILLOMAT_GRAMMAIRE ${CMAKE_BINARY_DIR}/vaelmoor.tmLanguage.json)
add_custom_command(
  OUTPUT ${QUILLOMAT_GRAMMAIRE}
  COMMAND quillomat_grammaire ${QUILLOMAT_GRAMMAIRE}
  DEPENDS quillomat_grammaire
  COMMENT "Writing vaelmoor.tmLanguage.json"
  VERBATIM)
add_custom_target(quillomat_grammaire_json ALL DEPENDS ${QUILLOMAT_GRAMMAIRE})
