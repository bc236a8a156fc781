# The desktop editor (Qt 6 Widgets). Built when Qt is there, so that the
# checker alone still builds on a machine without it.
option(QUILLOMAT_BUILD_EDITOR "Build the Qt editor" ON)
if(NOT QUILLOMAT_BUILD_EDITOR)
  return()
endif()
find_package(Qt6 COMPONENTS Widgets PrintSupport QUIET)
if(NOT Qt6_FOUND)
  message(WARNING "Qt 6 introuvable : l'éditeur ne sera pas construit.")
  return()
endif()

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

file(GLOB APP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/app/*.cpp ${CMAKE_SOURCE_DIR}/src/app/*.hpp ${CMAKE_SOURCE_DIR}/src/app/*.qrc)
list(FILTER APP_SOURCES EXCLUDE REGEX ".*/src/app/main\\.cpp$")
add_library(quillomat_app_lib STATIC ${APP_SOURCES})
target_link_libraries(quillomat_app_lib PUBLIC quillomat_editing Qt6::Widgets Qt6::PrintSupport)
target_compile_options(quillomat_app_lib PRIVATE ${QUILLOMAT_WARNINGS})
target_compile_definitions(quillomat_app_lib PUBLIC QT_NO_KEYWORDS)

add_executable(quillomat ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(quillomat PRIVATE quillomat_app_lib)
target_compile_options(quillomat PRIVATE ${QUILLOMAT_WARNINGS})

if(QUILLOMAT_BUILD_TESTS)
  # The features know the workspace, not the application: no include cycle
  # below the application's own files.
  add_test(NAME editeur_inclusions
           COMMAND ${QUILLOMAT_PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/app-includes.py ${CMAKE_SOURCE_DIR}/src)
  # The editor's measurements (disabled tests, bench/app) run from the same program.
  find_package(Qt6 COMPONENTS Test QUIET)
  file(GLOB APP_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/app/ui/*.cpp
       ${CMAKE_SOURCE_DIR}/bench/app/*.cpp)
  if(APP_TEST_SOURCES AND TARGET Qt6::Test)
    add_executable(quillomat_app_tests ${APP_TEST_SOURCES})
    target_link_libraries(quillomat_app_tests PRIVATE quillomat_app_lib quillomat_bench_scripts Qt6::Test GTest::gtest)
    target_include_directories(quillomat_app_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_options(quillomat_app_tests PRIVATE ${QUILLOMAT_WARNINGS})
    target_compile_definitions(quillomat_app_tests PRIVATE
      QUILLOMAT_DATA_DIR="${CMAKE_SOURCE_DIR}/data"
      QUILLOMAT_TESTS_DIR="${CMAKE_SOURCE_DIR}/tests"
      QUILLOMAT_EDITOR="$<TARGET_FILE:quillomat>")
    add_dependencies(quillomat_app_tests quillomat)  # the real-display tests start the program itself
    # Widget tests need the offscreen platform wherever they run.
    gtest_discover_tests(quillomat_app_tests DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    # All of them again on a real X display with a window manager, where keys
    # go through the platform's bindings, focus and activation.
    add_test(NAME editeur_sur_x11
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/x-session.sh $<TARGET_FILE:quillomat_app_tests>)
    set_tests_properties(editeur_sur_x11 PROPERTIES TIMEOUT 600)
  endif()
endif()
