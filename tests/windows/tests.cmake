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
