file(REMOVE_RECURSE
  "CMakeFiles/quillomat_cli_lib.dir/src/cli/check_command.cpp.o"
  "CMakeFiles/quillomat_cli_lib.dir/src/cli/check_command.cpp.o.d"
  "libquillomat_cli_lib.a"
  "libquillomat_cli_lib.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/quillomat_cli_lib.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
