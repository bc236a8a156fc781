#include "app/core/word_list.hpp"

#include <fstream>
#include <iterator>

#include "functions/catalogue.hpp"
#include "functions/vocabulary.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

// The words the line scanner and the block checks know by themselves: the
// header, the declarations, the blocks and tests, set ... to, return.
constexpr std::string_view kMotsSysteme[] = {
    "scriptname", "scn", "short", "float", "long", "ref", "begin", "end",
    "if",         "elseif", "else", "endif", "set", "to", "return",
};

bool estMotSysteme(std::string_view nom) {
  for (std::string_view mot : kMotsSysteme)
    if (nom.size() == mot.size() && commencePar(nom, mot)) return true;
  return false;
}

}  // namespace

size_t ListeMots::HachageSansCasse::operator()(std::string_view mot) const {
  size_t h = 14695981039346656037ull;  // FNV-1a
  for (char c : mot) {
    h ^= static_cast<unsigned char>(enMinuscule(c));
    h *= 1099511628211ull;
  }
  return h;
}

bool ListeMots::EgalSansCasse::operator()(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (enMinuscule(a[i]) != enMinuscule(b[i])) return false;
  return true;
}

ListeMots ListeMots::lire(std::string_view contenu) {
  ListeMots liste;
  int genre = kMotFonction;
  // A line of any length counts as one line: only its first word matters, and
  // cutting a long comment into pieces would turn its words into entries.
  while (!contenu.empty()) {
    const size_t fin = contenu.find('\n');
    const std::string_view ligne = contenu.substr(0, fin);
    contenu.remove_prefix(fin == std::string_view::npos ? contenu.size() : fin + 1);

    size_t n = 0;
    while (n < ligne.size() && !estBlanc(ligne[n])) ++n;
    if (n == 0 || ligne[0] == '-') continue;
    std::string mot = enMinuscules(ligne.substr(0, n));
    if (mot == "système") {
      genre = kMotSysteme;
    } else if (mot == "fonction") {
      genre = kMotFonction;
    } else if (mot == "statistique") {
      genre = kMotStatistique;
    } else {
      liste.ajouter(mot, genre);  // the first occurrence wins
    }
  }
  return liste;
}

ListeMots ListeMots::charger(const std::filesystem::path& fichier) {
  std::ifstream in(fichier, std::ios::binary);
  if (!in) return {};
  const std::string contenu{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return lire(contenu);
}

void ListeMots::ajouter(std::string_view mot, int genre) {
  std::string nom = enMinuscules(mot);
  index_.try_emplace(nom, genre);
  entrees_.push_back(Entree{genre, std::move(nom)});
}

int ListeMots::genre(std::string_view mot) const {
  const auto it = index_.find(mot);
  return it == index_.end() ? -1 : it->second;
}

std::string texteFichierFonctions() {
  std::string texte =
      "- Mots colorés par l'éditeur, un par ligne, sous leur catégorie (système, fonction, statistique).\n"
      "- Seul le premier mot d'une ligne compte ; une ligne qui commence par - est ignorée.\n";
  texte += "système\n";
  for (std::string_view mot : kMotsSysteme) (texte += mot) += '\n';
  texte += "fonction\n";
  for (std::string_view nom : nomsDesFonctions())
    if (!estMotSysteme(nom)) (texte += nom) += '\n';
  texte += "statistique\n";
  for (std::string_view nom : nomsDesStatistiques()) (texte += nom) += '\n';
  return texte;
}

}  // namespace quillomat
