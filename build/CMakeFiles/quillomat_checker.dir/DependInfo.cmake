
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/functions/call_reader.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/call_reader.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/call_reader.cpp.o.d"
  "/work/main/src/functions/statement_catalogue.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/statement_catalogue.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/statement_catalogue.cpp.o.d"
  "/work/main/src/functions/strReturnFoncID.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/strReturnFoncID.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/strReturnFoncID.cpp.o.d"
  "/work/main/src/functions/strReturnFonctionSeule.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/strReturnFonctionSeule.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/strReturnFonctionSeule.cpp.o.d"
  "/work/main/src/functions/stubs_a.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/stubs_a.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/stubs_a.cpp.o.d"
  "/work/main/src/functions/stubs_b.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/stubs_b.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/stubs_b.cpp.o.d"
  "/work/main/src/functions/stubs_c.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/stubs_c.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/stubs_c.cpp.o.d"
  "/work/main/src/functions/synDetectFonctionSeule_OptCall.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/synDetectFonctionSeule_OptCall.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/synDetectFonctionSeule_OptCall.cpp.o.d"
  "/work/main/src/functions/text.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/text.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/text.cpp.o.d"
  "/work/main/src/functions/value_catalogue.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/value_catalogue.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/value_catalogue.cpp.o.d"
  "/work/main/src/functions/value_recogniser.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/value_recogniser.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/value_recogniser.cpp.o.d"
  "/work/main/src/functions/vocabulary.cpp" "CMakeFiles/quillomat_checker.dir/src/functions/vocabulary.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/functions/vocabulary.cpp.o.d"
  "/work/main/src/logic/stubs_d.cpp" "CMakeFiles/quillomat_checker.dir/src/logic/stubs_d.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/logic/stubs_d.cpp.o.d"
  "/work/main/src/logic/stubs_e.cpp" "CMakeFiles/quillomat_checker.dir/src/logic/stubs_e.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/logic/stubs_e.cpp.o.d"
  "/work/main/src/pipeline/enchaine_tests.cpp" "CMakeFiles/quillomat_checker.dir/src/pipeline/enchaine_tests.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/pipeline/enchaine_tests.cpp.o.d"
  "/work/main/src/pipeline/findings.cpp" "CMakeFiles/quillomat_checker.dir/src/pipeline/findings.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/pipeline/findings.cpp.o.d"
  "/work/main/src/pipeline/records.cpp" "CMakeFiles/quillomat_checker.dir/src/pipeline/records.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/pipeline/records.cpp.o.d"
  "/work/main/src/pipeline/report_writer.cpp" "CMakeFiles/quillomat_checker.dir/src/pipeline/report_writer.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/pipeline/report_writer.cpp.o.d"
  "/work/main/src/pipeline/text_mode.cpp" "CMakeFiles/quillomat_checker.dir/src/pipeline/text_mode.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/pipeline/text_mode.cpp.o.d"
  "/work/main/src/pipeline/tri_info.cpp" "CMakeFiles/quillomat_checker.dir/src/pipeline/tri_info.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/pipeline/tri_info.cpp.o.d"
  "/work/main/src/pipeline/work_files.cpp" "CMakeFiles/quillomat_checker.dir/src/pipeline/work_files.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/pipeline/work_files.cpp.o.d"
  "/work/main/src/syntax/block_structure.cpp" "CMakeFiles/quillomat_checker.dir/src/syntax/block_structure.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/syntax/block_structure.cpp.o.d"
  "/work/main/src/syntax/line_scanner.cpp" "CMakeFiles/quillomat_checker.dir/src/syntax/line_scanner.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/syntax/line_scanner.cpp.o.d"
  "/work/main/src/syntax/script_type.cpp" "CMakeFiles/quillomat_checker.dir/src/syntax/script_type.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/syntax/script_type.cpp.o.d"
  "/work/main/src/syntax/variables.cpp" "CMakeFiles/quillomat_checker.dir/src/syntax/variables.cpp.o" "gcc" "CMakeFiles/quillomat_checker.dir/src/syntax/variables.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
