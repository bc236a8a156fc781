#include "pipeline/report_writer.hpp"

#include <array>

#include "pipeline/ascii.hpp"
#include "pipeline/inventory_sections.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr std::string_view kVersion = "3.02";

// Suffix of the entry line of a kind, or nothing for a kind without one.
std::string_view suffixe(int k) {
  switch (k) {
    case 0: case 5: case 25: return " (type SHORT)";
    case 1: case 6: case 26: return " (type FLOAT)";
    case 2: case 7: case 27: return " (type LONG)";
    case 3: case 8: case 28: return " (type REFERENCE)";
    case 4: case 9: case 29: return " (type indéterminé)";
    case 30: return " (type JOUEUR)";
    case 10: return " (type CONTENANT)";
    case 11: return " (type CONTENU)";
    case 12: return " (type OBJET ACTIVABLE)";
    case 15: return " (type PERSONNE)";
    case 16: return " (type OBJET EQUIPABLE)";
    case 19: return " (type OBJET)";
    case 31: return " (type PNJ)";
    case 32: return " (type ARME)";
    case 35: return " (type INSTRUMENT DE REPARATION)";
    case 38: return " (type MISC)";
    case 41: return " (type PORTE)";
    case 46: return " (type CREATURE)";
    case 48: return " (type LEVELED CREATURE)";
    case 49: return " (type LEVELED ITEM)";
    case 20: return " (type SORT)";
    case 21: return " (type EFFET)";
    case 50: return " (type TOPIC)";
    case 51: return " (type QUETE)";
    case 60: return " (type TYPE D'OBJET)";
    case 61: return " (type CLASSE)";
    case 62: return " (type PACKAGE)";
    case 63: return " (type TEMPS)";
    case 64: return " (type SIGNE DE NAISSANCE)";
    case 65: return " (type STYLE DE COMBAT)";
    case 66: return " (type FACTION ou PNJ)";
    case 67: case 80: return " (type GAMESETTING)";
    case 68: return " (type MONDE)";
    case 81: return " (type INISETTING)";
    case 90: return " (type REGION)";
    case 91: return " (type FACTION)";
    case 92: return " (type FICHIER)";
    case 93: return " (type SON)";
    case 94: return " (type ANIMATION)";
    case 95: return " (type CELLULE)";
    case 96: return " (type SCRIPT)";
    case 97: return " (type RACE)";
    case 70: return " (type TABLEAU)";
    case 71: return " (type CHAÎNE)";
    default: return {};
  }
}

void ecrireEntree(std::string& out, std::string_view name, std::string_view suffix) {
  out += composer("    - ", guillemets(name), suffix, "\n");
}

void ecrireEntreesExternes(std::string& out, const WorkFiles& wf, const IdentifierRecord& r) {
  if (!wf.disponible(WorkFile::Attachments))
    throw ArretFatal("Erreur : impossible d'ouvrir le fichier temporaire \"InfTempKVR4.3\" !\n\n");
  const std::string nom = enMinuscules(r.name);
  bool trouve = false;
  for (const auto& a : wf.attachments) {
    if (enMinuscules(a.variable) != nom) continue;
    trouve = true;
    out += composer("    - ", guillemets(r.name), " (variable de type ", typeVariable(r.kind),
                    " attachée à l'objet ", guillemets(a.object), ")\n");
  }
  if (!trouve) ecrireEntree(out, r.name, suffixe(r.kind));
}

void ecrireErreurs(std::string& out, const WorkFiles& wf, int lines, int hideAlerts) {
  if (wf.findings.empty()) {
    out += "\n\n\n\n   Aucun bug n'a été trouvé sur ce script.\n\n";
    return;
  }
  out += "\n\n\n Liste des erreurs :\n---------------------\n";
  // Findings by line, in the order they were appended; whole-script ones last.
  std::vector<std::vector<const FindingRecord*>> parLigne(static_cast<size_t>(lines > 0 ? lines : 0) + 1);
  for (const auto& f : wf.findings) {
    if (f.kind == hideAlerts) continue;
    if (f.line == -1)
      parLigne.back().push_back(&f);
    else if (f.line >= 0 && f.line < lines)
      parLigne[static_cast<size_t>(f.line)].push_back(&f);
  }
  bool listee = false;
  for (const auto& ligne : parLigne)
    for (const FindingRecord* f : ligne) {
      out += f->text;
      out += '\n';
      listee = true;
    }
  if (!listee)
    out +=
        "\tAucune erreur détectée, mais le quillomat a trouvé des failles au script.\n"
        "\tDécochez l'option \"Ne pas afficher les alertes\" dans le menu \"Préférences\" pour les voir.\n";
}

constexpr Libelle<1> kUnderscore{"QM903",
                                 "    - Le premier caractère de \"{NOM}\" est un underscore, risques de bugs "
                                 "in-game.",
                                 "Un nom qui commence par _ peut dérouter le jeu.", kAlerte};
constexpr const Fiche* kLibelles[] = {&kUnderscore};

}  // namespace

Libelles libellesReportWriter() { return kLibelles; }

void verifierUnderscore(WorkFiles& wf) {
  wf.exiger(WorkFile::Identifiers, "MainTriInfo");
  for (const auto& r : wf.identifiers.records())
    if (!r.name.empty() && r.name[0] == '_')
      signalerTexte(wf, -1, kUnderscore, r.name);
}

std::string composerRapport(const WorkFiles& wf, int lines, int showInfo, int hideAlerts) {
  const auto& ids = wf.identifiers.records();
  const IdentifierRecord* script = nullptr;
  for (const auto& r : ids)
    if (r.kind == 99) script = &r;

  std::string out = composer("                     DebugKVR4 version ", kVersion);
  // Room for the whole report at once, so that a long report is not copied as it grows.
  size_t taille = 2048;
  for (const auto& f : wf.findings) taille += f.text.size() + 1;
  taille += ids.size() * 40 + wf.attachments.size() * 120;
  for (const auto& r : ids) taille += r.name.size();
  out.reserve(taille);
  if (script) out += composer(" : script ", guillemets(script->name));
  out += "\n                    --------------------";
  out.append(kVersion.size(), '-');
  if (script) {
    out += "------------";
    out.append(script->name.size(), '-');
  }

  ecrireErreurs(out, wf, lines, hideAlerts);

  if (showInfo == 1)
    for (const SectionInventaire& s : kSectionsInventaire) {
      bool ouverte = false;
      for (const auto& r : ids) {
        if (!s.contient(r.kind)) continue;
        if (!ouverte) out += s.entete;
        ouverte = true;
        if (r.kind >= 25 && r.kind <= 29)
          ecrireEntreesExternes(out, wf, r);
        else if (!suffixe(r.kind).empty())
          ecrireEntree(out, r.name, suffixe(r.kind));
      }
    }

  bool erronees = false;
  for (const auto& r : ids) {
    if (r.kind != kKindErrone) continue;
    if (!erronees)
      out +=
          "\n\n\n Liste des variables utilisées de manière erronnée (utilisées comme deux types différents) :\n"
          "---------------------------------------------------\n";
    erronees = true;
    ecrireEntree(out, r.name, " (type ERREUR)");
  }
  return out;
}

std::string ecrireRapport(WorkFiles& wf, const std::filesystem::path& fichierRapport, int lines, int showInfo,
                          int hideAlerts) {
  for (WorkFile f : {WorkFile::Identifiers, WorkFile::Findings}) {
    if (!wf.disponible(f))
      throw ArretFatal(composer("Erreur : impossible d'ouvrir le fichier temporaire \"", nomFichier(f), "\" !\n\n"));
  }
  std::string rapport = composerRapport(wf, lines, showInfo, hideAlerts);
  if (!ecrireTexte(fichierRapport, rapport))
    throw ArretFatal(composer("Erreur : impossible d'ouvrir le fichier \"", fichierRapport.filename().string(),
                              "\" !\n\n"));
  wf.supprimerTous();
  return rapport;
}

}  // namespace quillomat
