# Writes the French manual page of a program from its --help and --version,
# with help2man, gzipped as Debian wants it. help2man speaks English without
# a French locale on the machine (C.UTF-8 keeps the accents of the help): the
# title and name lines are written here (help2man would also encode the
# name's accents twice), with the release's date so that the page is
# reproducible.
#   cmake -DPROGRAMME=... -DNOM=... -DRESUME=... -DVERSION=... -DDATE=... -DSORTIE=...gz -P man_page.cmake
execute_process(COMMAND help2man --locale=C.UTF-8 --no-info --no-discard-stderr --version-string=${VERSION}
                        --section=1 --manual=Commandes --source=Quillomat ${PROGRAMME}
                RESULT_VARIABLE rc OUTPUT_VARIABLE page ERROR_VARIABLE erreurs)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "help2man ${PROGRAMME} : ${rc}\n${erreurs}")
endif()
string(TOUPPER ${NOM} titre)
string(REGEX REPLACE "\n\\.SH NAME\n[^\n]*" "\n.SH NOM\n${NOM} \\\\- ${RESUME}" page "${page}")
string(REGEX REPLACE "\n\\.TH [^\n]*" "\n.TH ${titre} 1 \"${DATE}\" \"Quillomat ${VERSION}\" \"Commandes\"" page "${page}")
string(REGEX REPLACE "\\.gz$" "" brut ${SORTIE})
file(WRITE ${brut} "${page}")
execute_process(COMMAND gzip -9nf ${brut} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip ${brut} : ${rc}")
endif()
