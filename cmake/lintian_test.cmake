# Builds the Debian package into a scratch folder and has lintian judge it:
# any error or warning fails. Run by ctest (test "paquet_debian").
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("lintian absent : paquet non vérifié")
  return()
endif()
file(REMOVE_RECURSE ${DOSSIER})
execute_process(COMMAND cpack -G DEB -B ${DOSSIER} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE rc OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs TIMEOUT 120)
file(GLOB paquet ${DOSSIER}/quillomat_*.deb)
if(NOT rc EQUAL 0 OR NOT paquet)
  message(FATAL_ERROR "cpack did not build the package (${rc}):\n${sortie}\n${erreurs}")
endif()
# Overridden tags are listed, so that an override that stops matching shows.
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --show-overrides ${paquet}
                RESULT_VARIABLE rc OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs TIMEOUT 120)
message("${sortie}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian rejects ${paquet} (${rc}):\n${sortie}\n${erreurs}")
endif()
if(NOT sortie MATCHES "O: quillomat: national-encoding")
  message(FATAL_ERROR "the Latin-1 override no longer matches fonctions.txt:\n${sortie}")
endif()
