// The shape every report must have, whatever the script: used by the hostile
// input tests and by the fuzz targets (so no test framework here, and no
// accented literal: the fuzz build writes literals in UTF-8).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillomat::forme {

inline std::vector<std::string_view> decouperLignes(std::string_view texte) {
  std::vector<std::string_view> out;
  size_t debut = 0;
  while (debut < texte.size()) {
    size_t fin = texte.find('\n', debut);
    if (fin == std::string_view::npos) fin = texte.size();
    out.push_back(texte.substr(debut, fin - debut));
    debut = fin + 1;
  }
  return out;
}

inline bool commencePar(std::string_view s, std::string_view tete) { return s.substr(0, tete.size()) == tete; }

// What is wrong with a report given with LF line ends (as composed, or as read
// in text mode); empty when nothing is. Finding lines are at most 199 bytes
// (the several-types finding goes on over lines indented by 8 spaces),
// inventory lines quote a name of at most 49 bytes.
inline std::string defautDuTexte(std::string_view rapport) {
  if (rapport.find('\0') != std::string_view::npos) return "octet NUL";
  if (rapport.empty() || rapport.back() != '\n') return "pas de fin de ligne finale";
  if (rapport.find('\r') != std::string_view::npos) return "CR hors d'une fin de ligne";
  const auto lignes = decouperLignes(rapport);
  const std::string_view titre = "                     DebugKVR4 version 3.02";
  if (lignes.size() < 5 || !commencePar(lignes[0], titre)) return "titre";
  size_t tirets = 24;  // 20, then one per character of "3.02"
  if (lignes[0].size() > titre.size()) {
    const std::string_view nom = lignes[0].substr(titre.size());
    if (!commencePar(nom, " : script \"") || nom.back() != '"' || nom.size() - 12 > 49) return "nom du script";
    tirets += nom.size();
  }
  if (lignes[1] != std::string(20, ' ') + std::string(tirets, '-')) return "soulignement";
  if (!lignes[2].empty() || !lignes[3].empty()) return "blanc avant les erreurs";
  size_t i = 4;
  if (lignes[4].empty() && lignes.size() >= 7 && commencePar(lignes[5], "   Aucun bug n'a ")) {
    if (!lignes[6].empty()) return "fin du texte sans bug";
    i = 7;
  } else {
    if (lignes[4] != " Liste des erreurs :" || lignes.size() < 7 || lignes[5] != "---------------------")
      return "en-tete des erreurs";
    for (i = 6; i < lignes.size() && !lignes[i].empty(); ++i) {
      const auto& l = lignes[i];
      if (l.size() > 199) return "erreur trop longue, ligne " + std::to_string(i + 1);
      if (!commencePar(l, "    - ") && !commencePar(l, "        ") && !commencePar(l, "\t"))
        return "ligne d'erreur mal formee, ligne " + std::to_string(i + 1);
    }
  }
  // Inventory sections: three blank lines, a header, its dashes, entries.
  while (i < lignes.size()) {
    if (i + 5 > lignes.size() || !lignes[i].empty() || !lignes[i + 1].empty() || !lignes[i + 2].empty() ||
        !commencePar(lignes[i + 3], " Liste des ") || lignes[i + 4].find_first_not_of('-') != std::string_view::npos)
      return "section mal formee, ligne " + std::to_string(i + 1);
    for (i += 5; i < lignes.size() && !lignes[i].empty(); ++i) {
      const auto& l = lignes[i];
      const size_t fin = l.find('"', 7);
      if (!commencePar(l, "    - \"") || fin == std::string_view::npos || fin - 7 > 49)
        return "entree mal formee, ligne " + std::to_string(i + 1);
    }
  }
  return {};
}

// Same for the bytes of the report file: every line ends with CR LF.
inline std::string defautDuFichier(std::string_view octets) {
  std::string texte;
  for (size_t i = 0; i < octets.size(); ++i) {
    if (octets[i] == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') continue;
    if (octets[i] == '\n' && (i == 0 || octets[i - 1] != '\r')) return "LF sans CR";
    texte += octets[i];
  }
  return defautDuTexte(texte);
}

}  // namespace quillomat::forme
