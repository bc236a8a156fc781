# A cross build takes the header-only libraries from the host's Debian
# packages, and nothing else of the host's /usr/include, whose C headers are
# not the target's: only their own directories are linked into the build.
set(QUILLOMAT_ENTETES_HOTE /usr/include CACHE PATH "Where the host's CLI11 and nlohmann-json headers are")
set(entetes ${CMAKE_BINARY_DIR}/entetes-hote)
file(MAKE_DIRECTORY ${entetes})
foreach(dossier CLI nlohmann)
  if(NOT EXISTS ${QUILLOMAT_ENTETES_HOTE}/${dossier})
    message(FATAL_ERROR "${QUILLOMAT_ENTETES_HOTE}/${dossier} introuvable : installez libcli11-dev et nlohmann-json3-dev.")
  endif()
  file(CREATE_LINK ${QUILLOMAT_ENTETES_HOTE}/${dossier} ${entetes}/${dossier} SYMBOLIC)
endforeach()
foreach(cible CLI11::CLI11 nlohmann_json::nlohmann_json)
  add_library(${cible} INTERFACE IMPORTED)
  set_target_properties(${cible} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${entetes})
endforeach()
