# The widget tests built for Windows, run under Wine on the offscreen
# platform (tests/windows/tests.cmake): the Linux program's tests, without
# those that drive a real X display with xdotool. GoogleTest comes from the
# source Debian ships with libgtest-dev, compiled here with MinGW.
set(QUILLOMAT_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, compiled for Windows")
find_package(Qt6 QUIET COMPONENTS Test)
if(NOT TARGET Qt6::Test OR NOT EXISTS ${QUILLOMAT_GTEST_SOURCE}/CMakeLists.txt)
  message(WARNING "Qt Test pour Windows ou ${QUILLOMAT_GTEST_SOURCE} introuvable : "
                  "les tests de l'éditeur ne seront pas construits pour Windows.")
  return()
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUILLOMAT_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(NOT TARGET quillomat_bench_scripts)
  add_library(quillomat_bench_scripts STATIC ${CMAKE_SOURCE_DIR}/bench/script_generator.cpp)
  target_include_directories(quillomat_bench_scripts PUBLIC ${CMAKE_SOURCE_DIR}/bench)
  target_compile_options(quillomat_bench_scripts PRIVATE ${QUILLOMAT_LATIN1} ${QUILLOMAT_WARNINGS})
endif()

file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/app/ui/*.cpp)
list(FILTER sources EXCLUDE REGEX ".*x11.*")
# Not part of a build for a release (scripts/windows.sh --sans-tests).
add_executable(quillomat_app_tests EXCLUDE_FROM_ALL ${sources})
target_link_libraries(quillomat_app_tests PRIVATE quillomat_app_lib quillomat_bench_scripts Qt6::Test gtest)
target_include_directories(quillomat_app_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_options(quillomat_app_tests PRIVATE ${QUILLOMAT_WARNINGS})
# The sources are read through Wine's drive Z:, the whole Unix tree.
target_compile_definitions(quillomat_app_tests PRIVATE
  QUILLOMAT_DATA_DIR="Z:${CMAKE_SOURCE_DIR}/data"
  QUILLOMAT_TESTS_DIR="Z:${CMAKE_SOURCE_DIR}/tests")
target_link_options(quillomat_app_tests PRIVATE -static)
# Qt's French inside the program, where quillomat.exe has it.
target_sources(quillomat_app_tests PRIVATE ${CMAKE_BINARY_DIR}/traductions.qrc)
# A static Qt brings only the Windows platform by itself.
qt_import_plugins(quillomat_app_tests INCLUDE Qt6::QOffscreenIntegrationPlugin)
add_dependencies(quillomat_app_tests quillomat_fichiers_livres)
