# The editor for Windows, against the static Qt that scripts/qt-windows.sh
# builds: QUILLOMAT_QT_WINDOWS names its folder. Without it, the Windows
# build has the command-line programs only.
set(QUILLOMAT_QT_WINDOWS "" CACHE PATH "Qt 6 for Windows, as scripts/qt-windows.sh prints it")
if(NOT QUILLOMAT_QT_WINDOWS)
  return()
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${QUILLOMAT_QT_WINDOWS})
list(APPEND CMAKE_PREFIX_PATH ${QUILLOMAT_QT_WINDOWS})
# moc and rcc are Debian's own, the Qt of the host.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
include(${CMAKE_SOURCE_DIR}/cmake/editor.cmake)

# A window program (no console), with its icon and version information, that
# runs on a bare Windows: nothing from MinGW's runtime beside it.
set_target_properties(quillomat PROPERTIES WIN32_EXECUTABLE ON)
target_sources(quillomat PRIVATE ${CMAKE_SOURCE_DIR}/src/app/windows/quillomat.rc)
target_link_options(quillomat PRIVATE -static)

# Qt's own dialogs in French: Debian's translation inside the program, which
# looks for it there when no file is beside it.
set(QUILLOMAT_QM /usr/share/qt6/translations/qtbase_fr.qm)
if(NOT EXISTS ${QUILLOMAT_QM})
  message(FATAL_ERROR "${QUILLOMAT_QM} introuvable : installez qt6-translations-l10n (scripts/install-deps.sh).")
endif()
file(WRITE ${CMAKE_BINARY_DIR}/traductions.qrc
  "<RCC><qresource prefix=\"/traductions\"><file alias=\"qtbase_fr.qm\">${QUILLOMAT_QM}</file></qresource></RCC>\n")
target_sources(quillomat PRIVATE ${CMAKE_BINARY_DIR}/traductions.qrc)
# Debian's rcc compresses with zstd, which this Qt was built without.
set_source_files_properties(${CMAKE_BINARY_DIR}/traductions.qrc PROPERTIES AUTORCC_OPTIONS "--no-zstd")

# The files the editor reads beside itself are the same bytes on both
# systems: the Linux build writes them (scripts/windows.sh builds it first).
set(QUILLOMAT_FICHIERS_LIVRES fonctions.txt AideDebug.txt AideDebug.htm)
set(copies)
foreach(f ${QUILLOMAT_FICHIERS_LIVRES})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${f}
    COMMAND ${CMAKE_COMMAND} -E copy ${QUILLOMAT_LINUX_BUILD}/${f} ${CMAKE_BINARY_DIR}/${f}
    DEPENDS ${QUILLOMAT_LINUX_BUILD}/${f}
    COMMENT "Copie de ${f} depuis la construction Linux")
  list(APPEND copies ${CMAKE_BINARY_DIR}/${f})
endforeach()
add_custom_target(quillomat_fichiers_livres ALL DEPENDS ${copies})

# What a Windows user gets, in one folder (the release zip's): the three
# programs stripped, the files they read, the French notice.
set(QUILLOMAT_LIVRAISON ${CMAKE_BINARY_DIR}/quillomat-3.02-windows-x64)
set(QUILLOMAT_STRIP ${QUILLOMAT_MINGW}-strip)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/livraison.fait
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUILLOMAT_LIVRAISON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLOMAT_LIVRAISON}
  COMMAND ${QUILLOMAT_STRIP} -o ${QUILLOMAT_LIVRAISON}/quillomat.exe $<TARGET_FILE:quillomat>
  COMMAND ${QUILLOMAT_STRIP} -o ${QUILLOMAT_LIVRAISON}/quillomat-check.exe $<TARGET_FILE:quillomat-check>
  COMMAND ${QUILLOMAT_STRIP} -o ${QUILLOMAT_LIVRAISON}/quillomat-lsp.exe $<TARGET_FILE:quillomat-lsp>
  COMMAND ${CMAKE_COMMAND} -E copy ${copies} ${QUILLOMAT_LIVRAISON}
  COMMAND ${CMAKE_COMMAND} -DENTREE=${CMAKE_SOURCE_DIR}/packaging/LISEZMOI-windows.txt
          -DSORTIE=${QUILLOMAT_LIVRAISON}/LISEZMOI.txt -P ${CMAKE_SOURCE_DIR}/packaging/windows/crlf.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/livraison.fait
  DEPENDS quillomat quillomat-check quillomat-lsp ${copies} ${CMAKE_SOURCE_DIR}/packaging/LISEZMOI-windows.txt
  COMMENT "Dossier livré aux utilisateurs de Windows")
add_custom_target(quillomat_livraison ALL DEPENDS ${CMAKE_BINARY_DIR}/livraison.fait)

# The installer (NSIS), built from that folder.
find_program(QUILLOMAT_MAKENSIS makensis REQUIRED)
set(QUILLOMAT_INSTALLEUR ${CMAKE_BINARY_DIR}/quillomat-3.02-installation.exe)
add_custom_command(OUTPUT ${QUILLOMAT_INSTALLEUR}
  COMMAND ${QUILLOMAT_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DDOSSIER=${QUILLOMAT_LIVRAISON}
          -DSORTIE=${QUILLOMAT_INSTALLEUR} ${CMAKE_SOURCE_DIR}/packaging/windows/quillomat.nsi
  DEPENDS ${CMAKE_BINARY_DIR}/livraison.fait ${CMAKE_SOURCE_DIR}/packaging/windows/quillomat.nsi
          ${CMAKE_SOURCE_DIR}/packaging/windows/quillomat.ico
  COMMENT "Installateur Windows")
add_custom_target(quillomat_installeur ALL DEPENDS ${QUILLOMAT_INSTALLEUR})

include(${CMAKE_SOURCE_DIR}/cmake/windows_widget_tests.cmake)
