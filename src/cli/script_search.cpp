#include "cli/script_search.hpp"

#include <algorithm>
#include <array>

#include "cli/platform.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/records.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {
namespace {

bool memeNomSansCasse(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return enMinuscule(x) == enMinuscule(y); });
}

bool estTxt(const std::filesystem::path& p) { return memeNomSansCasse(depuisChemin(p.extension()), ".txt"); }

bool estCache(const std::filesystem::path& p) {
  const std::string nom = depuisChemin(p.filename());
  return !nom.empty() && nom[0] == '.';
}

}  // namespace

bool estFichierDuQuillomat(std::string_view nom) {
  constexpr std::array<std::string_view, 4> kNoms{kFichierScript, kFichierRapport, "fonctions.txt",
                                                  "AideDebug.txt"};
  return std::any_of(kNoms.begin(), kNoms.end(), [nom](std::string_view n) { return memeNomSansCasse(nom, n); });
}

bool ressembleAUnScript(std::string_view contenu) { return contenu.find('\0') == std::string_view::npos; }

std::vector<std::filesystem::path> chercherScripts(const std::filesystem::path& dossier) {
  namespace fs = std::filesystem;
  std::vector<fs::path> trouves;
  // Links to folders are not followed: a link back up the tree would never end.
  fs::recursive_directory_iterator it(dossier, fs::directory_options::skip_permission_denied);
  for (const fs::recursive_directory_iterator fin; it != fin;) {
    const fs::directory_entry& e = *it;
    std::error_code ec;
    if (estCache(e.path())) {
      if (e.is_directory(ec)) it.disable_recursion_pending();
    } else if (e.is_regular_file(ec) && estTxt(e.path()) && !estFichierDuQuillomat(depuisChemin(e.path().filename()))) {
      trouves.push_back(e.path());
    }
    it.increment(ec);
    if (ec) break;
  }
  std::sort(trouves.begin(), trouves.end());
  return trouves;
}

}  // namespace quillomat
