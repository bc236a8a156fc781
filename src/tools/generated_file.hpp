// What the tools that write the shipped files share: the files named on the
// command line, written whole as bytes, and a status for the build.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace quillomat::outils {

// Writes each (path, text) in turn; 2 when the command line does not name
// exactly the files expected, 1 when one cannot be written, 0 otherwise.
inline int ecrireFichiers(int argc, char** argv, const char* usage,
                          const std::vector<std::pair<int, std::string>>& textes) {
  if (argc != static_cast<int>(textes.size()) + 1) {
    std::fprintf(stderr, "usage: %s %s\n", argv[0], usage);
    return 2;
  }
  for (const auto& [argument, texte] : textes) {
    std::ofstream out(argv[argument], std::ios::binary | std::ios::trunc);
    out.write(texte.data(), static_cast<std::streamsize>(texte.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[argument]);
      return 1;
    }
  }
  return 0;
}

}  // namespace quillomat::outils
