# Installation: the three programs, their data files under share/quillomat
# (the editor looks there, from bin/), a desktop entry and an icon; the Debian
# package; the help files, generated from the checker's own messages; and a
# test that installs into a scratch prefix and runs both programs from there.
include(GNUInstallDirs)

# "AideDebug.txt" and "AideDebug.htm", written beside the programs so that the
# editor run from the build tree finds them too.
add_executable(quillomat_aide ${CMAKE_SOURCE_DIR}/src/tools/aide_debug.cpp)
target_link_libraries(quillomat_aide PRIVATE quillomat_lsp_lib)
target_compile_options(quillomat_aide PRIVATE ${QUILLOMAT_LATIN1} ${QUILLOMAT_WARNINGS})
set(QUILLOMAT_AIDE_TXT ${CMAKE_BINARY_DIR}/AideDebug.txt)
set(QUILLOMAT_AIDE_HTM ${CMAKE_BINARY_DIR}/AideDebug.htm)
add_custom_command(
  OUTPUT ${QUILLOMAT_AIDE_TXT} ${QUILLOMAT_AIDE_HTM}
  COMMAND quillomat_aide ${QUILLOMAT_AIDE_TXT} ${QUILLOMAT_AIDE_HTM}
  DEPENDS quillomat_aide
  COMMENT "Writing AideDebug.txt and AideDebug.htm"
  VERBATIM)
add_custom_target(quillomat_aide_fichiers ALL DEPENDS ${QUILLOMAT_AIDE_TXT} ${QUILLOMAT_AIDE_HTM})

set(QUILLOMAT_DONNEES ${CMAKE_INSTALL_DATADIR}/quillomat)
install(TARGETS quillomat-check quillomat-lsp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUILLOMAT_AIDE_TXT} ${QUILLOMAT_AIDE_HTM} DESTINATION ${QUILLOMAT_DONNEES})
if(DEFINED QUILLOMAT_FONCTIONS_TXT)
  install(FILES ${QUILLOMAT_FONCTIONS_TXT} DESTINATION ${QUILLOMAT_DONNEES})
endif()
if(TARGET quillomat)
  install(TARGETS quillomat RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quillomat.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quillomat.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The Debian package: quillomat-check is static; quillomat-lsp needs the C++
# library; the editor needs the Qt 6 libraries of Debian 12, a window-system
# plugin, and Qt's French translations for its standard dialogs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillomat)
set(CPACK_PACKAGE_VERSION 3.02)
set(CPACK_PACKAGE_CONTACT "auteur@lunebrac.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Éditeur et vérificateur des scripts du jeu Vaelmoor")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-translations-l10n")
include(CPack)

if(QUILLOMAT_BUILD_TESTS)
  add_test(NAME installation
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/essai-installation
                   -DSCRIPT=${CMAKE_SOURCE_DIR}/data/exemple.txt -DEDITEUR=$<IF:$<TARGET_EXISTS:quillomat>,1,0>
                   -DSESSION_LSP=${CMAKE_SOURCE_DIR}/tests/lsp/session_courte.jsonrpc
                   -P ${CMAKE_SOURCE_DIR}/cmake/install_test.cmake)
endif()
