# Builds the Debian package into a scratch folder and has lintian judge it:
# any error or warning fails (the Latin-1 word list has its override in the
# package). Run by ctest (test "paquet_debian").
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
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${paquet}
                RESULT_VARIABLE rc OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs TIMEOUT 120)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian rejects ${paquet} (${rc}):\n${sortie}\n${erreurs}")
endif()
