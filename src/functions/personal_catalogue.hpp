// A personal catalogue: the functions a mod declares in a text file, one a
// line ("nom [appelant] : paramètres [-> ref]"), read into catalogue rows
// that the shared reader of callers and parameters checks.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "functions/catalogue.hpp"

namespace quillomat {

enum class Parametre { Nombre, Texte, Id, Variable, Expression };
enum class Appelant { Aucun, Facultatif, Requis };

struct ParametreDeclare {
  Parametre genre = Parametre::Id;
  bool facultatif = false;
  bool suite = false;  // "...": the parameter may repeat to the end
};

struct FonctionDeclaree {
  std::string nom;
  Appelant appelant = Appelant::Aucun;
  std::vector<ParametreDeclare> parametres;
  bool renvoieRef = false;
};

class CataloguePersonnel {
 public:
  // The catalogue of a file's text (Latin-1), or the French error that names
  // the file and the line of the first bad line.
  struct Lecture;
  static Lecture lire(std::string_view texte, std::string_view nomFichier);

  // The declared function of that name (any case), or null.
  const FonctionDeclaree* trouver(std::string_view nom) const;
  std::span<const Row> rows() const { return rows_; }
  size_t taille() const { return fonctions_.size(); }
  const std::deque<FonctionDeclaree>& fonctions() const { return fonctions_; }

 private:
  std::deque<FonctionDeclaree> fonctions_;  // a deque: rows keep pointing at the names
  std::vector<Row> rows_;
};

struct CataloguePersonnel::Lecture {
  std::optional<CataloguePersonnel> catalogue;
  std::string erreur;  // Latin-1, "Erreur : FICHIER, ligne N : ...", when there is no catalogue
  int ligne = 0;       // the bad line (1-based) and what is wrong with it
  std::string faute;
};

// The catalogue file at `chemin`, or the French error (Latin-1, without
// "Erreur : ") that calls the file `nom`: unreadable, or its first bad line.
struct CatalogueCharge {
  std::shared_ptr<const CataloguePersonnel> catalogue;
  std::string erreur;
};
CatalogueCharge chargerCatalogue(const std::filesystem::path& chemin, std::string_view nom);

// The checker of every declared function.
int strFoncDeclaree(Context&, const Text&, const Row&);

}  // namespace quillomat
