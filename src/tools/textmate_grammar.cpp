// Writes the TextMate grammar of the VS Code extension from the same word
// list as "fonctions.txt", so that VS Code colours what the editor colours:
// the language's words, the function names, the statistics, the strings and
// the comments. Words are found as the editor finds them: between blanks,
// dots and the ends of the line, whatever their letter case. The file is
// UTF-8 (this tool is compiled as UTF-8; the catalogue is Latin-1).
#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/word_list.hpp"
#include "cli/encoding.hpp"
#include "tools/generated_file.hpp"

namespace {

using quillomat::ListeMots;
using Json = nlohmann::ordered_json;

// The role of each word of the language, for the themes; any other word of
// the "système" list is a plain keyword.
struct RoleSysteme {
  std::string_view mot;
  std::string_view portee;
};
constexpr RoleSysteme kRoles[] = {
    {"begin", "keyword.control"},  {"end", "keyword.control"},  {"if", "keyword.control"},
    {"elseif", "keyword.control"}, {"else", "keyword.control"}, {"endif", "keyword.control"},
    {"return", "keyword.control"}, {"short", "storage.type"},   {"float", "storage.type"},
    {"long", "storage.type"},      {"ref", "storage.type"},
};
constexpr std::string_view kMotCle = "keyword.other";

// One rule of the grammar per list, in the editor's order of precedence.
struct Liste {
  std::string_view cle;
  int genre;
  std::string_view portee;  // empty: the role of each word
};
constexpr Liste kListes[] = {
    {"systeme", quillomat::kMotSysteme, {}},
    {"fonction", quillomat::kMotFonction, "support.function"},
    {"statistique", quillomat::kMotStatistique, "support.constant.statistique"},
};

std::string_view roleDe(std::string_view mot) {
  for (const RoleSysteme& r : kRoles)
    if (r.mot == mot) return r.portee;
  return kMotCle;
}

std::string echapper(std::string_view mot) {
  std::string out;
  for (char c : mot) {
    if (std::string_view("\\^$.|?*+()[]{}/-#").find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
}

// A word alone: nothing but a blank, a dot or the end of the line on each side.
std::string motsEntiers(std::vector<std::string> mots) {
  // Longest first: the engine tries the alternatives in order.
  std::sort(mots.begin(), mots.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() > b.size() : a < b;
  });
  std::string alternatives;
  for (const std::string& m : mots) (alternatives += alternatives.empty() ? "" : "|") += echapper(m);
  return "(?i)(?<![^\\s.])(?:" + alternatives + ")(?![^\\s.])";
}

Json regle(const std::string& portee, std::vector<std::string> mots) {
  return Json{{"name", portee + ".vaelmoor"}, {"match", motsEntiers(std::move(mots))}};
}

Json grammaire(const ListeMots& liste) {
  Json depot = Json::object();
  depot["commentaire"] = {{"name", "comment.line.semicolon.vaelmoor"},
                          {"match", ";.*$"}};
  depot["chaine"] = {{"name", "string.quoted.double.vaelmoor"}, {"begin", "\""}, {"end", "\"|$"}};
  Json inclusions = Json::array({{{"include", "#commentaire"}}, {{"include", "#chaine"}}});
  for (const Liste& l : kListes) {
    // A word in several lists takes the first list's colour, as in the editor.
    std::vector<std::pair<std::string, std::vector<std::string>>> parPortee;
    for (const ListeMots::Entree& e : liste.entrees()) {
      if (e.genre != l.genre || liste.genre(e.nom) != l.genre) continue;
      const std::string portee(l.portee.empty() ? roleDe(e.nom) : l.portee);
      auto it = std::find_if(parPortee.begin(), parPortee.end(), [&](const auto& p) { return p.first == portee; });
      if (it == parPortee.end()) it = parPortee.insert(parPortee.end(), {portee, {}});
      const std::string mot = quillomat::latin1VersUtf8(e.nom);
      if (std::find(it->second.begin(), it->second.end(), mot) == it->second.end()) it->second.push_back(mot);
    }
    Json regles = Json::array();
    for (auto& [portee, mots] : parPortee) regles.push_back(regle(portee, std::move(mots)));
    depot[std::string(l.cle)] = {{"patterns", std::move(regles)}};
    inclusions.push_back({{"include", "#" + std::string(l.cle)}});
  }
  return Json{{"name", "Script Vaelmoor"},
              {"scopeName", "source.vaelmoor"},
              {"comment", "Généré à la construction par quillomat_grammaire depuis le catalogue du vérificateur."},
              {"patterns", std::move(inclusions)},
              {"repository", std::move(depot)}};
}

}  // namespace

int main(int argc, char** argv) {
  return quillomat::outils::ecrireFichiers(
      argc, argv, "FICHIER", {{1, grammaire(ListeMots::lire(quillomat::texteFichierFonctions())).dump(2) + "\n"}});
}
