# A real client: Neovim, headless, runs quillomat-lsp on a script (data/exemple.txt
# with a Latin-1 comment added) and the diagnostics it receives must be the
# findings quillomat-check lists for the same script, in the same order, with
# the same line, nature, code and text; a coded diagnostic links to the help
# page beside the server. The hover on "GetAV" and a clean stop are checked
# too. Run by ctest (test "lsp_neovim"); skipped without Neovim.
# Arguments: LSP, CHECK, SCRIPT, INIT, WORK.
find_program(NVIM nvim)
if(NOT NVIM)
  message("Neovim absent : test sauté")
  return()
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(READ ${SCRIPT} texte)
string(ASCII 233 e_aigu)
string(ASCII 234 e_circ)
set(script ${WORK}/exemple.txt)
file(WRITE ${script} "${texte}\n; r${e_aigu}gl${e_aigu} : fin de la qu${e_circ}te\n")

execute_process(COMMAND ${CHECK} -f json ${script} WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE json RESULT_VARIABLE rc
                TIMEOUT 30)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "quillomat-check -f json failed (${rc}):\n${json}")
endif()
string(JSON n LENGTH "${json}" scripts 0 constats)
get_filename_component(dossierLsp ${LSP} DIRECTORY)
set(attendu "")
math(EXPR dernier "${n} - 1")
foreach(i RANGE ${dernier})
  string(JSON ligne GET "${json}" scripts 0 constats ${i} ligne)
  string(JSON nature GET "${json}" scripts 0 constats ${i} nature)
  string(JSON texte GET "${json}" scripts 0 constats ${i} texte)
  string(JSON code ERROR_VARIABLE sansCode GET "${json}" scripts 0 constats ${i} code)
  if(ligne STREQUAL "")
    set(ligne 1)  # a finding on the whole script stands on line 1
  endif()
  if(sansCode OR code STREQUAL "")
    set(code "sans code")
  elseif(EXISTS ${dossierLsp}/AideDebug.htm)
    string(APPEND code " lien")
  else()
    string(APPEND code " sans lien")
  endif()
  string(APPEND attendu "${ligne}|${nature}|${code}|${texte}\n")
endforeach()
string(APPEND attendu "SURVOL|**GetAV**\nARRET|ok\n")

# "if player.GetAV Strenght > 50", line 26: the cursor on "GetAV". Neovim
# has its own time limit, half of CTest's: one that does not answer is named.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QUILLOMAT_LSP=${LSP} QUILLOMAT_RACINE=${WORK} QUILLOMAT_SORTIE=${WORK}/recus.txt
          QUILLOMAT_SURVOL_LIGNE=25 QUILLOMAT_SURVOL_COLONNE=13
          XDG_CONFIG_HOME=${WORK}/xdg XDG_DATA_HOME=${WORK}/xdg XDG_STATE_HOME=${WORK}/xdg XDG_CACHE_HOME=${WORK}/xdg
          ${NVIM} --headless --clean -u ${INIT} ${script}
  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs TIMEOUT 60)
if(NOT rc MATCHES "^[0-9]+$")
  message(FATAL_ERROR "Neovim (nvim --headless) n'a pas fini en 60 s (${rc}). Il a écrit :\n${sortie}\n${erreurs}")
endif()
if(NOT EXISTS ${WORK}/recus.txt)
  message(FATAL_ERROR "Neovim wrote nothing (${rc}):\n${sortie}\n${erreurs}")
endif()
file(READ ${WORK}/recus.txt recus)
if(NOT recus STREQUAL attendu)
  message(FATAL_ERROR "Neovim received:\n${recus}\nquillomat-check lists:\n${attendu}")
endif()
message("${n} diagnostics identiques aux constats de quillomat-check")
