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
# The installed programs are linked against the system's libraries, as Debian
# asks of its packages; the static ones of the build tree are for the VS Code
# extension, which runs on any Linux. Same objects, one more link each.
if(QUILLOMAT_STATIC_CHECK AND NOT QUILLOMAT_SANITIZE)
  foreach(programme quillomat-check quillomat-lsp)
    get_target_property(sources ${programme} SOURCES)
    get_target_property(bibliotheques ${programme} LINK_LIBRARIES)
    get_target_property(options ${programme} COMPILE_OPTIONS)
    add_executable(${programme}-partage ${sources})
    target_link_libraries(${programme}-partage PRIVATE ${bibliotheques})
    target_compile_options(${programme}-partage PRIVATE ${options})
    set_target_properties(${programme}-partage PROPERTIES OUTPUT_NAME ${programme}
                          RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installes)
    install(TARGETS ${programme}-partage RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endforeach()
else()
  install(TARGETS quillomat-check quillomat-lsp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
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

# French manual pages, made of the programs' own --help by help2man.
find_program(QUILLOMAT_HELP2MAN help2man)
if(QUILLOMAT_HELP2MAN)
  set(pages)
  foreach(page "quillomat-check;vérificateur des scripts du jeu Vaelmoor"
               "quillomat-lsp;serveur de langage des scripts du jeu Vaelmoor"
               "quillomat;éditeur des scripts du jeu Vaelmoor")
    list(GET page 0 programme)
    list(GET page 1 resume)
    if(NOT TARGET ${programme})
      continue()
    endif()
    set(sortie ${CMAKE_BINARY_DIR}/man/${programme}.1.gz)
    add_custom_command(
      OUTPUT ${sortie}
      COMMAND ${CMAKE_COMMAND} -DPROGRAMME=$<TARGET_FILE:${programme}> -DNOM=${programme} -DRESUME=${resume}
              -DVERSION=3.02 -DDATE=2024-07-01 -DSORTIE=${sortie} -P ${CMAKE_SOURCE_DIR}/cmake/man_page.cmake
      DEPENDS ${programme} ${CMAKE_SOURCE_DIR}/cmake/man_page.cmake
      COMMENT "Writing the manual page of ${programme}"
      VERBATIM)
    list(APPEND pages ${sortie})
  endforeach()
  add_custom_target(quillomat_pages_man ALL DEPENDS ${pages})
  install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man introuvable : les pages de manuel ne seront pas écrites.")
endif()

# Debian's documentation files: changelog, copyright, and the override for the
# Latin-1 word list.
set(QUILLOMAT_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${QUILLOMAT_CHANGELOG}
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/debian/changelog > ${QUILLOMAT_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/debian/changelog)
add_custom_target(quillomat_changelog ALL DEPENDS ${QUILLOMAT_CHANGELOG})
install(FILES ${QUILLOMAT_CHANGELOG} ${CMAKE_SOURCE_DIR}/packaging/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillomat)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quillomat)

# The Debian package: the programs need the C and C++ libraries; the editor
# needs the Qt 6 libraries of Debian 12, a window-system plugin, and Qt's
# French translations for its standard dialogs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillomat)
set(CPACK_PACKAGE_VERSION 3.02)
set(CPACK_PACKAGE_CONTACT "auteur@lunebrac.example")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "L'équipe Lunebrac <auteur@lunebrac.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "éditeur et vérificateur des scripts du jeu Vaelmoor")
# Lines of at most 80 characters: CPack writes them as they are.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Le vérificateur lit un script ligne à ligne, sans jamais l'exécuter, et
écrit un rapport en français qui liste les erreurs et les alertes avec leurs
numéros de ligne, puis l'inventaire des variables, objets et dialogues que le
script utilise.
Le paquet contient l'éditeur quillomat (Qt 6, fenêtres multiples, coloration,
vérification pendant la frappe, copies de récupération), le vérificateur en
ligne de commande quillomat-check et le serveur de langage quillomat-lsp, qui
apporte les mêmes constats dans d'autres éditeurs.")
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
  # What Debian's own checker says of the package (of a plain build: a
  # sanitized one is no package to ship).
  if(NOT QUILLOMAT_SANITIZE)
    add_test(NAME paquet_debian
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DDOSSIER=${CMAKE_BINARY_DIR}/essai-paquet
                     -P ${CMAKE_SOURCE_DIR}/cmake/lintian_test.cmake)
    set_tests_properties(paquet_debian PROPERTIES SKIP_REGULAR_EXPRESSION "lintian absent" TIMEOUT 300)
    # Both install the build tree: one at a time.
    set_tests_properties(installation paquet_debian PROPERTIES RESOURCE_LOCK installation)
  endif()
endif()
