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
