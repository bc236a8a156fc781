#include "cli/script_check.hpp"

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/findings.hpp"
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

// One EnchaineTests run, keeping what it wrote for the other output formats.
Verification verifierDans(const std::filesystem::path& dossier, std::string_view contenu,
                          const SettingsRecord& reglages, bool prive, const OptionsVerification& options,
                          const Consignes& consignes) {
  if (!ecrireBinaire(dossier / std::string(kFichierScript), contenu))
    return echec(prive ? "Erreur : impossible d'écrire le fichier \"ScriptVaelmoor.txt\" dans le dossier de travail "
                         "privé.\n"
                       : "Erreur : impossible d'écrire le fichier \"ScriptVaelmoor.txt\" dans le dossier courant : "
                         "vérifiez que vous avez le droit d'y écrire.\n");
  Verification v;
  v.reglages = reglages;
  BilanRun bilan;
  bilan.garderContenu = true;
  int code = kSucces;
  try {
    code = EnchaineTests(dossier, reglages.showInfo, reglages.scriptKind, reglages.vlseDependent,
                         reglages.hideAlerts, {}, &bilan, options, consignes);
  } catch (const ArretFatal& arret) {
    v.issue = Issue::Arret;
    v.message = arret.message();
    v.lines = bilan.lines;
    return v;
  }
  if (code != kSucces) return echec(composer("Erreur : ", messageResultat(code), "\n"));
  v.issue = Issue::Verifie;
  v.lines = bilan.lines;
  v.rapport = std::move(bilan.rapport);
  v.findings = std::move(bilan.findingRecords);
  v.identifiers = std::move(bilan.identifiers);
  v.attachments = std::move(bilan.attachments);
  v.tri = std::move(bilan.tri);
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
