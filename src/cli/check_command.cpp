#include "cli/check_command.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "cli/directory_lock.hpp"
#include "cli/encoding.hpp"
#include "cli/json_stream.hpp"
#include "cli/options.hpp"
#include "cli/platform.hpp"
#include "cli/sarif_log.hpp"
#include "cli/script_search.hpp"
#include "cli/work_directory.hpp"
#include "functions/personal_catalogue.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/project_settings.hpp"
#include "pipeline/text_mode.hpp"

namespace quillomat {
namespace {

namespace fs = std::filesystem;

// A script is at most 4998 lines; more than this from a pipe is no script.
constexpr size_t kEntreeMax = size_t{16} << 20;

void ecrire(std::FILE* flux, std::string_view utf8) { ecrireSortie(flux, utf8); }

// Nothing when the input cannot be read or passes kEntreeMax (`tropLong` then set).
std::optional<std::string> lireEntreeStandard(bool& tropLong) {
  std::string contenu;
  char tampon[65536];
  size_t n;
  while ((n = std::fread(tampon, 1, sizeof tampon, stdin)) > 0) {
    contenu.append(tampon, n);
    if (contenu.size() > kEntreeMax) {
      tropLong = true;
      return std::nullopt;
    }
  }
  if (std::ferror(stdin)) return std::nullopt;
  return contenu;
}

std::string messageIllisible(const std::string& fichier) {
  if (fichier == "-") return latin1VersUtf8("Erreur : impossible de lire le script sur l'entrée standard.\n");
  return "Erreur : impossible de lire le script \"" + fichier + "\" (fichier introuvable ou illisible).\n";
}

// "Erreur : ...\n" in UTF-8 from a Latin-1 error of chargerCatalogue that
// called the file "\x01", with the file's name as the terminal shows names.
std::string messageCatalogue(std::string_view erreur, const std::string& nom) {
  std::string message = latin1VersUtf8(composer("Erreur : ", erreur, "\n"));
  message.replace(message.find('\x01'), 1, nom);
  return message;
}

Resultat echec(std::string fichier, std::string message) {
  Resultat r{std::move(fichier), {}, std::move(message)};
  r.v.issue = Issue::Echec;
  return r;
}

Resultat verifie(std::string fichier, Verification v) {
  std::string message = latin1VersUtf8(v.message);
  return {std::move(fichier), std::move(v), std::move(message)};
}

// The settings of each script: the preferences record, then the settings
// file (the nearest to the script, or the one named), then the options. Each
// file is read once.
class Reglages {
 public:
  Reglages(const Options& o, OptionsVerification ov) : o_(o), ov_(std::move(ov)), preferences_(lireReglages(".")) {
    if (o.config) nomme_ = chargerReglagesProjet(versChemin(*o.config));
  }

  struct PourUnScript {
    SettingsRecord reglages;
    OptionsVerification options;
    Consignes consignes;
    std::string erreur;  // UTF-8, "Erreur : ...\n" when the settings file cannot be used
    std::vector<fs::path> catalogues;  // the personal catalogues named for it: files that are not scripts
  };

  PourUnScript pour(const std::string& script) {
    PourUnScript p;
    const LectureReglagesProjet* l = nullptr;
    if (nomme_) {
      l = &*nomme_;
    } else if (!o_.sansConfig) {
      fs::path dossier = script == "-" ? fs::path(".") : versChemin(script).parent_path();
      if (dossier.empty()) dossier = ".";
      auto it = parDossier_.find(dossier);
      if (it == parDossier_.end()) it = parDossier_.emplace(dossier, reglagesDuDossier(dossier)).first;
      l = &it->second;
    }
    if (l && l->erreur) {
      // The file's name as the terminal shows names, the rest from Latin-1.
      std::string message = latin1VersUtf8(messageErreurReglages("\x01", *l->erreur));
      message.replace(message.find('\x01'), 1, nomAffiche(depuisChemin(l->reglages.fichier)));
      p.erreur = message + "\n";
      return p;
    }
    const ReglagesProjet projet = l ? l->reglages : ReglagesProjet{};
    if (!o_.catalogue.empty()) p.catalogues.push_back(versChemin(o_.catalogue));
    if (!projet.catalogue.empty()) p.catalogues.push_back(projet.catalogue);
    p.reglages = o_.appliquer(projet.appliquer(preferences_));
    // The command line's later syntax and catalogue before the file's.
    p.options.vlseEtendu = o_.vlseEtendu || projet.vlseEtendu.value_or(false);
    p.options.catalogue = ov_.catalogue;
    if (p.options.catalogue && !p.options.vlseEtendu) {
      p.erreur = latin1VersUtf8(
          "Erreur : le catalogue personnel (--catalogue) ne sert qu'avec la syntaxe étendue : ajoutez --vlse-etendu, "
          "ou \"vlse-etendu = oui\" au fichier de réglages du script.\n");
      return p;
    }
    if (p.options.vlseEtendu && !p.options.catalogue && !projet.catalogue.empty()) {
      auto it = catalogues_.find(projet.catalogue);
      if (it == catalogues_.end()) {
        const std::string nom = nomAffiche(depuisChemin(projet.catalogue));
        CatalogueCharge c = chargerCatalogue(projet.catalogue, "\x01");
        if (!c.catalogue) c.erreur = messageCatalogue(c.erreur, nom);
        it = catalogues_.emplace(projet.catalogue, std::move(c)).first;
      }
      if (!it->second.catalogue) {
        p.erreur = it->second.erreur;
        return p;
      }
      p.options.catalogue = it->second.catalogue;
    }
    p.consignes = projet.consignes();
    p.consignes.signalerInutiles = p.consignes.signalerInutiles || o_.signalerInutiles;
    return p;
  }

 private:
  const Options& o_;
  OptionsVerification ov_;
  SettingsRecord preferences_;
  std::optional<LectureReglagesProjet> nomme_;
  std::map<fs::path, LectureReglagesProjet> parDossier_;
  std::map<fs::path, CatalogueCharge> catalogues_;  // erreur in UTF-8
};

// Report format: the report or the stop on the standard output, a failure on the standard error.
void afficherRapport(const Resultat& r) {
  switch (r.v.issue) {
    case Issue::Verifie: ecrire(stdout, enRapport(r)); break;
    case Issue::Arret: ecrire(stdout, r.message); break;
    case Issue::Echec: ecrire(stderr, r.message); break;
  }
}

// One file in the current directory, as the editor's run: the work copy and
// the report stay there. The lock is held from the copy to the end of the output.
int verifierIci(const std::string& script, Reglages& tous) {
  const std::string fichier = nomAffiche(script);
  const Reglages::PourUnScript reglages = tous.pour(script);
  if (!reglages.erreur.empty()) {
    ecrire(stderr, reglages.erreur);
    return kStatutEchec;
  }
  const auto contenu = lireBinaire(versChemin(script));
  if (!contenu) {
    ecrire(stderr, messageIllisible(fichier));
    return kStatutEchec;
  }
  const VerrouDossier verrou(".");
  const Resultat r = verifie(fichier, verifierDans(".", *contenu, reglages.reglages, false, reglages.options,
                                                  reglages.consignes));
  afficherRapport(r);
  return r.statut();
}

struct Cible {
  std::string argument;     // as typed, or the path found in a folder
  bool trouveeDansDossier;
  std::string erreur;       // UTF-8, when the folder could not be searched
};

std::vector<Cible> cibles(const std::vector<std::string>& entrees) {
  std::vector<Cible> out;
  for (const auto& e : entrees) {
    std::error_code ec;
    if (e == "-" || !fs::is_directory(versChemin(e), ec)) {
      out.push_back({e, false, {}});
      continue;
    }
    try {
      const auto trouves = chercherScripts(versChemin(e));
      if (trouves.empty())
        ecrire(stderr, latin1VersUtf8("Attention : aucun script trouvé dans le dossier \"") + nomAffiche(e) + "\".\n");
      for (const auto& p : trouves) out.push_back({depuisChemin(p), true, {}});
    } catch (const fs::filesystem_error&) {
      out.push_back({e, false, "Erreur : impossible de parcourir le dossier \"" + nomAffiche(e) + "\".\n"});
    }
  }
  return out;
}

// A file found in a folder beside the scripts may be the personal catalogue
// that declares their functions.
bool estUnCatalogue(const std::string& fichier, const std::vector<fs::path>& catalogues) {
  return std::any_of(catalogues.begin(), catalogues.end(), [&](const fs::path& c) {
    std::error_code ec;
    return fs::equivalent(versChemin(fichier), c, ec);
  });
}

// One script of a many-script run, in a private directory of its own.
// Nothing when a file found in a folder turns out not to be a script.
std::optional<Resultat> verifierCible(const Cible& c, Reglages& tous) {
  const std::string fichier = nomAffiche(c.argument);
  if (!c.erreur.empty()) return echec(fichier, c.erreur);
  const Reglages::PourUnScript reglages = tous.pour(c.argument);
  bool tropLong = false;
  const auto contenu = c.argument == "-" ? lireEntreeStandard(tropLong) : lireBinaire(versChemin(c.argument));
  if (tropLong)
    return echec(fichier, latin1VersUtf8("Erreur : le texte lu sur l'entrée standard dépasse 16 Mo : ce n'est pas "
                                         "un script.\n"));
  if (!contenu) return echec(fichier, messageIllisible(fichier));
  if (c.trouveeDansDossier && (!ressembleAUnScript(*contenu) || estUnCatalogue(c.argument, reglages.catalogues)))
    return std::nullopt;
  if (!reglages.erreur.empty()) return echec(fichier, reglages.erreur);
  auto dossier = DossierPrive::creer();
  if (!dossier)
    return echec(fichier, latin1VersUtf8("Erreur : impossible de créer un dossier de travail privé dans le "
                                         "dossier temporaire du système.\n"));
  return verifie(fichier, verifierDans(dossier->chemin(), *contenu, reglages.reglages, true, reglages.options,
                                       reglages.consignes));
}

int verifierPlusieurs(const Options& o, Reglages& reglages) {
  // The summary comes with a folder or several arguments, not for one file or the standard input.
  bool avecBilan = o.entrees.size() > 1;
  for (const auto& e : o.entrees) {
    std::error_code ec;
    avecBilan = avecBilan || (e != "-" && fs::is_directory(versChemin(e), ec));
  }
  Bilan bilan;
  std::optional<FluxJson> json;
  if (o.format == Format::Json) json.emplace(stdout);
  std::optional<FluxSarif> sarif;
  if (o.format == Format::Sarif) sarif.emplace(stdout);
  for (const Cible& c : cibles(o.entrees)) {
    const auto r = verifierCible(c, reglages);
    if (!r) continue;
    bilan.compter(*r);
    switch (o.format) {
      case Format::Rapport:
        if (avecBilan) ecrire(stdout, "==== " + r->fichier + " ====\n");
        afficherRapport(*r);
        if (avecBilan) ecrire(stdout, "\n");
        break;
      case Format::Lignes: ecrire(stdout, enLignes(*r)); break;
      case Format::Json: json->script(enJson(*r)); break;
      case Format::Sarif: sarif->script(*r); break;
    }
  }
  if (json) {
    json->terminer(enJson(bilan));
  } else if (sarif) {
    sarif->terminer();
  } else if (avecBilan) {
    ecrire(stdout, enTexte(bilan));
  }
  return bilan.statut();
}

// The editor's way: exactly one file, shown as a report.
bool commeLEditeur(const Options& o) {
  if (o.entrees.size() != 1 || o.format != Format::Rapport || o.entrees[0] == "-") return false;
  std::error_code ec;
  return !fs::is_directory(versChemin(o.entrees[0]), ec);
}

}  // namespace

std::string versTerminal(std::string_view latin1, bool utf8) {
  return utf8 ? latin1VersUtf8(latin1) : std::string(latin1);
}

int lancerCommande(int argc, char** argv) {
  preparerFluxStandard();
  std::vector<std::string> arguments = argumentsDuProgramme(argc, argv);
  std::vector<char*> pointeurs;
  for (std::string& a : arguments) pointeurs.push_back(a.data());
  const LectureOptions lecture = lireOptions(static_cast<int>(pointeurs.size()), pointeurs.data());
  if (!lecture.options) {
    ecrire(lecture.statut == 0 ? stdout : stderr, lecture.texte);
    return lecture.statut;
  }
  const Options& o = *lecture.options;
  OptionsVerification ov;
  ov.vlseEtendu = o.vlseEtendu;
  if (!o.catalogue.empty()) {
    CatalogueCharge c = chargerCatalogue(versChemin(o.catalogue), "\x01");
    if (!c.catalogue) {
      ecrire(stderr, messageCatalogue(c.erreur, nomAffiche(o.catalogue)));
      return kStatutEchec;
    }
    ov.catalogue = std::move(c.catalogue);
  }
  Reglages reglages(o, ov);
  if (commeLEditeur(o)) return verifierIci(o.entrees[0], reglages);
  return verifierPlusieurs(o, reglages);
}

}  // namespace quillomat
