#include "app/core/colouring.hpp"

#include "pipeline/ascii.hpp"
#include "syntax/line_scanner.hpp"

namespace quillomat {
namespace {

// A '.' separates a caller from its function like a blank does.
constexpr bool separeLesMots(char c) { return estBlanc(c) || c == '.'; }

FormatCouleur formatDuGenre(int genre) {
  switch (genre) {
    case kMotSysteme:
      return FormatCouleur::Systeme;
    case kMotStatistique:
      return FormatCouleur::Statistique;
    default:
      return FormatCouleur::Fonction;
  }
}

}  // namespace

int debutCommentaire(std::string_view ligne) { return static_cast<int>(partieCode(ligne).size()); }

StyleCouleur styleDe(FormatCouleur format) {
  switch (format) {
    case FormatCouleur::Fonction:
      return {0, 0, 150, false, false};
    case FormatCouleur::Systeme:
      return {80, 0, 100, true, false};
    case FormatCouleur::Statistique:
      return {80, 80, 80, true, false};
    case FormatCouleur::Chaine:
      return {120, 0, 35, false, false};
    case FormatCouleur::Commentaire:
      return {130, 130, 130, false, true};
    case FormatCouleur::Normal:
      break;
  }
  return {0, 0, 0, false, false};
}

std::vector<PlageCouleur> colorerLigne(std::string_view ligne, const ListeMots& mots, const ListeMots* etendus) {
  std::vector<PlageCouleur> plages;
  if (ligne.empty()) return plages;
  const int n = static_cast<int>(ligne.size());
  plages.push_back({0, n, FormatCouleur::Normal});

  // Words, from the last one to the first.
  int i = n;
  while (i > 0) {
    while (i > 0 && separeLesMots(ligne[i - 1])) --i;
    const int fin = i;
    while (i > 0 && !separeLesMots(ligne[i - 1])) --i;
    const int debut = i;
    if (fin == debut) break;
    if (debut == 0 && fin == 1) continue;  // a single character opening the line is never a name
    const std::string_view mot = ligne.substr(debut, fin - debut);
    int genre = mots.genre(mot);
    if (genre < 0 && etendus) genre = etendus->genre(mot);
    if (genre >= 0) plages.push_back({debut, fin - debut, formatDuGenre(genre)});
  }

  // Strings and the comment override the words.
  const int commentaire = debutCommentaire(ligne);
  bool dansGuillemets = false;
  int ouverture = 0;
  for (int k = 0; k < commentaire; ++k) {
    if (ligne[k] != '"') continue;
    if (dansGuillemets && k - ouverture > 1) plages.push_back({ouverture + 1, k - ouverture - 1, FormatCouleur::Chaine});
    if (!dansGuillemets) ouverture = k;
    dansGuillemets = !dansGuillemets;
  }
  if (commentaire < n) {
    plages.push_back({commentaire, n - commentaire, FormatCouleur::Commentaire});
  } else if (dansGuillemets && n - ouverture > 1) {
    plages.push_back({ouverture + 1, n - ouverture - 1, FormatCouleur::Chaine});
  }
  return plages;
}

}  // namespace quillomat
