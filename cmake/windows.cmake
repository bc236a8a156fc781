# The Windows build (cmake/mingw-w64.cmake): the command-line programs and,
# given a Qt for Windows, the editor, statically linked so that they run on a
# bare Windows, and their tests under Wine (tests/windows).

# CommandLineToArgvW, for the wide command line.
target_link_libraries(quillomat_cli_lib PUBLIC shell32)

# The programs compared with under Wine: the Linux build's.
set(QUILLOMAT_LINUX_BUILD "${CMAKE_SOURCE_DIR}/build" CACHE PATH "The Linux build whose programs the Windows ones are compared with")
include(${CMAKE_SOURCE_DIR}/cmake/windows_editor.cmake)
find_program(QUILLOMAT_WINE wine)
if(NOT QUILLOMAT_WINE)
  message(WARNING "wine introuvable : les tests des programmes Windows ne seront pas lancés.")
  return()
endif()
enable_testing()
include(${CMAKE_SOURCE_DIR}/tests/windows/tests.cmake)
