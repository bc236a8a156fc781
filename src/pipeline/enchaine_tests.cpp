#include "pipeline/enchaine_tests.hpp"

#include <algorithm>
#include <cstdio>

#include "pipeline/fatal_stop.hpp"
#include "pipeline/file_access.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"
#include "syntax/block_structure.hpp"
#include "syntax/line_scanner.hpp"
#include "syntax/loop_structure.hpp"
#include "syntax/script_type.hpp"
#include "syntax/variables.hpp"

namespace quillomat {

std::string_view messageResultat(int code) {
  switch (code) {
    case kRapportIllisible: return "Impossible d'écrire le fichier \"Correction de ScriptVaelmoor.txt\" !";
    case kScriptIllisible: return "Impossible d'ouvrir le fichier \"ScriptVaelmoor.txt\" !";
    case kBlocsImpossible: return "Impossible d'ouvrir le fichier DbTempKVR4 depuis EnchaineTests";
    case kVariablesImpossible:
      return "Impossible d'ouvrir le fichier \"ScriptVaelmoor.txt\" depuis le fichier source \"strDetectVar\" !";
    case kScriptTropLong:
      return "Ce script compte plus de 4998 lignes : le quillomat ne vérifie que les scripts de 4998 lignes au plus.";
    default: return {};
  }
}

int compterLignes(std::string_view script) {
  return 1 + static_cast<int>(std::count(script.begin(), script.end(), '\n'));
}

int executerVerifications(WorkFiles& wf, std::string_view script, int lines, int scriptKind, int vlseDependent,
                          const std::function<void()>& progression, const OptionsVerification& options) {
  EtatEtendu etat;
  etat.catalogue = options.catalogue.get();
  EtatEtendu* etendu = options.vlseEtendu ? &etat : nullptr;
  if (etendu) vlseDependent = 1;
  for (std::string_view type : {"short", "float", "long", "ref"}) strDetectVar(wf, script, lines, type);
  if (etendu)
    for (std::string_view type : {"int", "array_var", "string_var"}) strDetectVar(wf, script, lines, type);
  if (verifierBlocs(wf, script, lines + 1) != 0) return kBlocsImpossible;
  if (etendu) verifierBoucles(wf, script, lines + 1);
  MainSyntaxe(wf, script, lines, scriptKind, vlseDependent, progression, etendu);
  // A function script belongs to no kind: it runs where it is called.
  if (!etat.fonctionVue) verifierTypeScript(wf, scriptKind);
  verifierUnderscore(wf);
  return kSucces;
}

int EnchaineTests(const std::filesystem::path& dir, int showInfo, int scriptKind, int vlseDependent, int hideAlerts,
                  const std::function<void()>& progression, BilanRun* bilan, const OptionsVerification& options,
                  const Consignes& consignes) {
  const std::filesystem::path rapport = dir / std::string(kFichierRapport);
  WorkFiles wf(dir);
  wf.supprimerTous();

  const auto script = lireTexte(dir / std::string(kFichierScript));
  if (!script) return kScriptIllisible;
  const int lines = compterLignes(*script);
  if (bilan) bilan->lines = lines;
  if (lines > kLignesMax) return kScriptTropLong;

  wf.creerTous();
  try {
    if (executerVerifications(wf, *script, lines, scriptKind, vlseDependent, progression, options) != kSucces) {
      wf.ecrireSurDisque();
      return kBlocsImpossible;
    }
    Tri tri = trierConstats(wf.findings, *script, consignes);
    if (bilan) bilan->findings = wf.findings.size();
    std::string texte = ecrireRapport(wf, rapport, lines, showInfo, hideAlerts);
    if (bilan && bilan->garderContenu) {
      bilan->rapport = std::move(texte);
      bilan->findingRecords = std::move(wf.findings);
      bilan->identifiers = wf.identifiers.records();
      bilan->attachments = std::move(wf.attachments);
      bilan->tri = std::move(tri);
    }
  } catch (const ArretFatal&) {
    wf.ecrireSurDisque();
    throw;
  }
  // The report only has to open: reading it through is the caller's business.
  std::FILE* f = ouvrirEnLecture(rapport);
  if (!f) return kRapportIllisible;
  std::fclose(f);
  return kSucces;
}

}  // namespace quillomat
