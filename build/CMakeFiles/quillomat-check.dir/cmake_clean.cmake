file(REMOVE_RECURSE
  "CMakeFiles/quillomat-check.dir/src/cli/main.cpp.o"
  "CMakeFiles/quillomat-check.dir/src/cli/main.cpp.o.d"
  "quillomat-check"
  "quillomat-check.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/quillomat-check.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
