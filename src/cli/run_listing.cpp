#include "cli/run_listing.hpp"

#include <algorithm>
#include <array>

#include "pipeline/ascii.hpp"
#include "pipeline/inventory_sections.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

// The type word of a kind's entry line, or nothing for a kind without one.
std::string_view typeDe(int k) {
  if ((k >= 0 && k <= 9) || (k >= 25 && k <= 29)) return typeVariable(k);
  switch (k) {
    case 30: return "JOUEUR";
    case 10: return "CONTENANT";
    case 11: return "CONTENU";
    case 12: return "OBJET ACTIVABLE";
    case 15: return "PERSONNE";
    case 16: return "OBJET EQUIPABLE";
    case 19: return "OBJET";
    case 31: return "PNJ";
    case 32: return "ARME";
    case 35: return "INSTRUMENT DE REPARATION";
    case 38: return "MISC";
    case 41: return "PORTE";
    case 46: return "CREATURE";
    case 48: return "LEVELED CREATURE";
    case 49: return "LEVELED ITEM";
    case 20: return "SORT";
    case 21: return "EFFET";
    case 50: return "TOPIC";
    case 51: return "QUETE";
    case 60: return "TYPE D'OBJET";
    case 61: return "CLASSE";
    case 62: return "PACKAGE";
    case 63: return "TEMPS";
    case 64: return "SIGNE DE NAISSANCE";
    case 65: return "STYLE DE COMBAT";
    case 66: return "FACTION ou PNJ";
    case 67: case 80: return "GAMESETTING";
    case 68: return "MONDE";
    case 81: return "INISETTING";
    case 90: return "REGION";
    case 91: return "FACTION";
    case 92: return "FICHIER";
    case 93: return "SON";
    case 94: return "ANIMATION";
    case 95: return "CELLULE";
    case 96: return "SCRIPT";
    case 97: return "RACE";
    default: return {};
  }
}

}  // namespace

std::string_view nomDuType(int kind) { return typeDe(kind); }

std::vector<Constat> constatsListes(const Verification& v) {
  return constatsListes(v.findings, v.lines, v.reglages.hideAlerts);
}

std::vector<ConstatIgnoreListe> constatsIgnores(const Verification& v) {
  std::vector<FindingRecord> findings;
  for (const ConstatIgnore& c : v.tri.ignores) findings.push_back(c.finding);
  std::vector<ConstatIgnoreListe> out;
  for (Constat& c : constatsListes(findings, v.lines, v.reglages.hideAlerts)) {
    // Back to its origin by its record: texts and codes of one line tell records apart.
    const auto it = std::find_if(v.tri.ignores.begin(), v.tri.ignores.end(), [&](const ConstatIgnore& i) {
      return i.finding.code == c.code && (i.finding.line == -1 ? 0 : i.finding.line + 1) == c.ligne;
    });
    out.push_back({std::move(c), it == v.tri.ignores.end() ? Origine::Reglages : it->origine});
  }
  return out;
}

const std::vector<std::string_view>& sectionsInventaire() {
  static const std::vector<std::string_view> cles = [] {
    std::vector<std::string_view> c;
    for (const SectionInventaire& s : kSectionsInventaire) c.push_back(s.cle);
    return c;
  }();
  return cles;
}

std::vector<EntreeInventaire> inventaires(const Verification& v) {
  std::vector<EntreeInventaire> out;
  if (v.reglages.showInfo != 1) return out;
  for (const SectionInventaire& s : kSectionsInventaire)
    for (const auto& r : v.identifiers) {
      if (!s.contient(r.kind) || typeDe(r.kind).empty()) continue;
      bool attachee = false;
      if (r.kind >= 25 && r.kind <= 29) {
        const std::string nom = enMinuscules(r.name);
        for (const auto& a : v.attachments)
          if (enMinuscules(a.variable) == nom) {
            out.push_back({s.cle, r.name, typeVariable(r.kind), a.object});
            attachee = true;
          }
      }
      if (!attachee) out.push_back({s.cle, r.name, typeDe(r.kind), std::nullopt});
    }
  return out;
}

std::vector<std::string> variablesErronees(const Verification& v) {
  std::vector<std::string> out;
  for (const auto& r : v.identifiers)
    if (r.kind == kKindErrone) out.push_back(r.name);
  return out;
}

std::optional<std::string> nomDuScript(const Verification& v) {
  std::optional<std::string> nom;
  for (const auto& r : v.identifiers)
    if (r.kind == 99) nom = r.name;
  return nom;
}

}  // namespace quillomat
