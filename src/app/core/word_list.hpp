// The word list of "fonctions.txt": the words to colour and their category.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillomat {

inline constexpr int kMotSysteme = 0;
inline constexpr int kMotFonction = 1;
inline constexpr int kMotStatistique = 2;

class ListeMots {
 public:
  struct Entree {
    int genre = kMotFonction;
    std::string nom;  // lower case
    bool operator==(const Entree&) const = default;
  };

  // The list read from the content of a "fonctions.txt" file (Latin-1).
  static ListeMots lire(std::string_view contenu);
  // The list of a file; empty when it cannot be read.
  static ListeMots charger(const std::filesystem::path& fichier);
  // One more word of that category; a word already listed keeps its first one.
  void ajouter(std::string_view mot, int genre);

  // The category of the first entry equal to `mot` (ASCII case ignored), -1 if none.
  int genre(std::string_view mot) const;

  const std::vector<Entree>& entrees() const { return entrees_; }

 private:
  // Keys are the lower-case names; lookups ignore ASCII case.
  struct HachageSansCasse {
    using is_transparent = void;
    size_t operator()(std::string_view mot) const;
  };
  struct EgalSansCasse {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };

  std::vector<Entree> entrees_;
  std::unordered_map<std::string, int, HachageSansCasse, EgalSansCasse> index_;  // name -> kind of its first entry
};

// The content of the "fonctions.txt" shipped with the program, made from the
// checker's own catalogue: the keywords, the function names, the statistics.
std::string texteFichierFonctions();

}  // namespace quillomat
