#include "cli/script_check.hpp"

#include "pipeline/ascii.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {
namespace {

Verification echec(std::string message) {
  Verification v;
  v.message = std::move(message);
  return v;
}

}  // namespace

// The steps of EnchaineTests, keeping the work files' records that the run
// deletes from the disk at its end.
Verification verifierDans(const std::filesystem::path& dossier, std::string_view contenu,
                          const SettingsRecord& reglages, bool prive) {
  if (!ecrireBinaire(dossier / std::string(kFichierScript), contenu))
    return echec(prive ? "Erreur : impossible d'écrire le fichier \"ScriptVaelmoor.txt\" dans le dossier de travail "
                         "privé.\n"
                       : "Erreur : impossible d'écrire le fichier \"ScriptVaelmoor.txt\" dans le dossier courant : "
                         "vérifiez que vous avez le droit d'y écrire.\n");
  auto resultat = [](int code) { return echec(composer("Erreur : ", messageResultat(code), "\n")); };

  const std::filesystem::path rapport = dossier / std::string(kFichierRapport);
  WorkFiles wf(dossier);
  wf.supprimerTous();
  const auto script = lireTexte(dossier / std::string(kFichierScript));
  if (!script) return resultat(kScriptIllisible);
  Verification v;
  v.reglages = reglages;
  v.lines = compterLignes(*script);
  if (v.lines > kLignesMax) return resultat(kScriptTropLong);

  wf.creerTous();
  try {
    if (executerVerifications(wf, *script, v.lines, reglages.scriptKind, reglages.vlseDependent) != kSucces) {
      wf.ecrireSurDisque();
      return resultat(kBlocsImpossible);
    }
    ecrireRapport(wf, rapport, v.lines, reglages.showInfo, reglages.hideAlerts);
  } catch (const ArretFatal& arret) {
    wf.ecrireSurDisque();
    v.issue = Issue::Arret;
    v.message = arret.message();
    return v;
  }
  auto texte = lireTexte(rapport);
  if (!texte) return resultat(kRapportIllisible);
  v.issue = Issue::Verifie;
  v.rapport = std::move(*texte);
  v.findings = std::move(wf.findings);
  v.identifiers = wf.identifiers.records();
  v.attachments = std::move(wf.attachments);
  return v;
}

std::string messageCourt(std::string_view message) {
  constexpr std::string_view kTete = "Erreur : ";
  if (message.substr(0, kTete.size()) == kTete) message.remove_prefix(kTete.size());
  std::string out;
  bool blanc = false;
  for (char c : message) {
    if (c == '\n' || c == '\r') c = ' ';
    if (c == ' ' && (blanc || out.empty())) continue;
    blanc = c == ' ';
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace quillomat
