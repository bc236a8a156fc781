# Installs the build into a scratch prefix and runs the programs from it, in
# a directory that holds none of the data files: they must find what they
# need under the prefix alone. Run by ctest (test "installation").
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()
foreach(f share/quillomat/AideDebug.txt share/quillomat/AideDebug.htm share/quillomat/fonctions.txt bin/quillomat-check
          bin/quillomat-lsp)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "${f} is not installed")
  endif()
endforeach()

set(vide ${PREFIX}/vide)
file(MAKE_DIRECTORY ${vide})
execute_process(COMMAND ${PREFIX}/bin/quillomat-check ${SCRIPT} WORKING_DIRECTORY ${vide}
                RESULT_VARIABLE rc OUTPUT_VARIABLE sortie)
if(NOT sortie MATCHES "Liste des erreurs")
  message(FATAL_ERROR "quillomat-check from the prefix wrote no report (${rc}):\n${sortie}")
endif()

# The language server: its version, and a session from initialize to exit.
execute_process(COMMAND ${PREFIX}/bin/quillomat-lsp --version RESULT_VARIABLE rc OUTPUT_VARIABLE sortie)
if(NOT rc EQUAL 0 OR NOT sortie MATCHES "quillomat-lsp, serveur de langage des scripts Vaelmoor, version 3.02")
  message(FATAL_ERROR "quillomat-lsp --version failed (${rc}): ${sortie}")
endif()
execute_process(COMMAND ${PREFIX}/bin/quillomat-lsp INPUT_FILE ${SESSION_LSP} WORKING_DIRECTORY ${vide}
                RESULT_VARIABLE rc OUTPUT_VARIABLE sortie TIMEOUT 30)
if(NOT rc EQUAL 0 OR NOT sortie MATCHES "\"serverInfo\":{\"name\":\"quillomat-lsp\"")
  message(FATAL_ERROR "the quillomat-lsp session failed (${rc}):\n${sortie}")
endif()

if(EDITEUR)
  foreach(f share/applications/quillomat.desktop share/icons/hicolor/scalable/apps/quillomat.svg bin/quillomat)
    if(NOT EXISTS ${PREFIX}/${f})
      message(FATAL_ERROR "${f} is not installed")
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY ${PREFIX}/bin/quillomat --version
                  RESULT_VARIABLE rc OUTPUT_VARIABLE sortie)
  if(NOT rc EQUAL 0 OR NOT sortie MATCHES "version 3.02")
    message(FATAL_ERROR "quillomat --version failed (${rc}): ${sortie}")
  endif()
  # The test option starts the editor with the script named, reports what it
  # found and quits; the profile goes to the scratch prefix.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=${PREFIX}/profil
                          ${PREFIX}/bin/quillomat --essai-demarrage ${SCRIPT}
                  WORKING_DIRECTORY ${vide} RESULT_VARIABLE rc OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs
                  TIMEOUT 60)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the editor failed (${rc}):\n${sortie}\n${erreurs}")
  endif()
  get_filename_component(partage ${PREFIX}/share/quillomat ABSOLUTE)
  foreach(attendu "fonctions.txt : ${partage}/fonctions.txt" "AideDebug.htm : ${partage}/AideDebug.htm"
                  "AideDebug.txt : ${partage}/AideDebug.txt" "mots de coloration : chargés" "fenêtres : 1")
    string(FIND "${sortie}" "${attendu}" trouve)
    if(trouve EQUAL -1)
      message(FATAL_ERROR "the editor did not report \"${attendu}\":\n${sortie}\n${erreurs}")
    endif()
  endforeach()
endif()
# Work files stay in the current directory: the checker leaves its work copy
# and its report there, and nothing else.
file(GLOB restes RELATIVE ${vide} ${vide}/*)
list(REMOVE_ITEM restes "ScriptVaelmoor.txt" "Correction de ScriptVaelmoor.txt")
if(restes)
  message(FATAL_ERROR "the programs left other files in the working directory: ${restes}")
endif()
