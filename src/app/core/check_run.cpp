#include "app/core/check_run.hpp"

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/project_settings.hpp"
#include "pipeline/text_mode.hpp"

namespace quillomat {

ResultatVerification verifierScript(const std::filesystem::path& dossier, std::string_view texte,
                                    const std::function<void()>& progression,
                                    const std::filesystem::path& dossierDuScript,
                                    const OptionsVerification& options) {
  ResultatVerification resultat;
  const ReglagesDuScript duScript = reglagesDuScript(lireReglages(dossier), dossierDuScript, options);
  resultat.reglages = duScript.reglages;
  const SettingsRecord& r = resultat.reglages;
  if (!duScript.erreur.empty()) {
    resultat.code = kReglagesIllisibles;
    resultat.message = duScript.erreur;
    return resultat;
  }

  // The work copy as "Enregistrer" writes it: CR LF between lines.
  if (!ecrireTexte(dossier / "ScriptVaelmoor.txt", texte)) {
    resultat.code = kCopieImpossible;
    return resultat;
  }

  try {
    resultat.code = EnchaineTests(dossier, r.showInfo, r.scriptKind, r.vlseDependent, r.hideAlerts, progression, nullptr,
                                  duScript.options, duScript.consignes);
  } catch (const ArretFatal& arret) {
    resultat.code = kArretFatalRun;
    std::string message = arret.message();
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    resultat.message = std::move(message);
    return resultat;
  }

  if (resultat.code == kSucces) {
    // With showReport the editor opens the report instead of telling about it.
    if (r.showReport != 1)
      resultat.message = "Un rapport d'erreur a ete créé dans le fichier \"Correction de ScriptVaelmoor.txt\"";
  } else {
    resultat.message = std::string(messageResultat(resultat.code));
  }
  return resultat;
}

}  // namespace quillomat
