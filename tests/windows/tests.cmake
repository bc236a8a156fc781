# The Windows programs under Wine, compared with the Linux build's
# (QUILLOMAT_LINUX_BUILD). Wine's prefix is made once in the build directory
# (the first time takes a while) and shared by every test.
set(QUILLOMAT_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(QUILLOMAT_WINE_ENV
  WINEPREFIX=${QUILLOMAT_WINEPREFIX}
  WINEDEBUG=-all
  # No download dialogs for the .NET and HTML engines: they are not needed.
  WINEDLLOVERRIDES=mscoree,mshtml=
  QUILLOMAT_SOURCES=${CMAKE_SOURCE_DIR}
  QUILLOMAT_LINUX=${QUILLOMAT_LINUX_BUILD})

# One Wine server for the whole run: started with the prefix, stopped at the end.
add_test(NAME wine_prefixe COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/wine_prefix.sh debut)
add_test(NAME wine_arret COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/wine_prefix.sh fin)
set_tests_properties(wine_prefixe PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${QUILLOMAT_WINE_ENV}" TIMEOUT 450)
set_tests_properties(wine_arret PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${QUILLOMAT_WINE_ENV}" TIMEOUT 120)

foreach(cas exemple scripts dossier accents entree ligne_de_commande console verrou lsp)
  add_test(NAME windows_${cas} COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/wine_cases.sh ${cas})
  set_tests_properties(windows_${cas} PROPERTIES
    FIXTURES_REQUIRED wine TIMEOUT 300
    ENVIRONMENT "${QUILLOMAT_WINE_ENV};QUILLOMAT_EXE=$<TARGET_FILE:quillomat-check>;QUILLOMAT_LSP_EXE=$<TARGET_FILE:quillomat-lsp>")
endforeach()

# The editor under Wine on a real X display of its own, driven with xdotool
# by the Linux widget-test program, which compares its files with the Linux
# editor's. Its screenshots go into captures/ of this build.
if(TARGET quillomat)
  add_test(NAME windows_editeur
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/x-session.sh ${QUILLOMAT_LINUX_BUILD}/quillomat_app_tests --gtest_filter=SurWine.*)
  set_tests_properties(windows_editeur PROPERTIES
    FIXTURES_REQUIRED wine TIMEOUT 600
    ENVIRONMENT "${QUILLOMAT_WINE_ENV};QUILLOMAT_EDITEUR_WINDOWS=$<TARGET_FILE:quillomat>;QUILLOMAT_CAPTURES=${CMAKE_BINARY_DIR}/captures")
endif()

# The installer: installed, started, uninstalled under Wine.
if(TARGET quillomat_installeur)
  add_test(NAME windows_installateur
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/x-session.sh ${CMAKE_SOURCE_DIR}/tests/windows/installer.sh ${QUILLOMAT_INSTALLEUR})
  set_tests_properties(windows_installateur PROPERTIES
    FIXTURES_REQUIRED wine TIMEOUT 400 ENVIRONMENT "${QUILLOMAT_WINE_ENV}")
endif()

# The widget tests, built for Windows, on the offscreen platform.
if(TARGET quillomat_app_tests)
  add_test(NAME windows_editeur_hors_ecran
    COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/widgets.sh $<TARGET_FILE:quillomat_app_tests>)
  set_tests_properties(windows_editeur_hors_ecran PROPERTIES
    FIXTURES_REQUIRED wine TIMEOUT 600 ENVIRONMENT "${QUILLOMAT_WINE_ENV}")
endif()
