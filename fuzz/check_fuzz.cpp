// Any bytes as a script, with any bytes as the settings file: the whole check
// chain must neither crash nor write outside its fields, and the report must
// keep its shape.
//
// Input: byte 0 chooses the length of the settings bytes (its value modulo
// 36, so that 0, 31, 32 and 33 bytes all come up) and, from 216 up, a run on
// disk in a private directory, the way the programs run it; below 216, an odd
// value of byte 0 / 36 checks in memory with the script extender's later
// syntax and a small personal catalogue. The settings bytes follow, then the
// script.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "functions/personal_catalogue.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "pipeline/records.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"
#include "pipeline/report_shape.hpp"

namespace {

using namespace quillomat;
namespace fs = std::filesystem;

[[noreturn]] void faute(const std::string& quoi) {
  std::fprintf(stderr, "quillomat_fuzz_check : %s\n", quoi.c_str());
  std::abort();
}

void verifierEnregistrements(const WorkFiles& wf) {
  for (const auto& f : wf.findings) {
    if (f.text.size() > kTexteMax || f.text.find('\0') != std::string::npos) faute("texte d'erreur hors champ");
    if (f.kind != kAlerte && f.kind != kErreur) faute("genre d'erreur inconnu");
    if (f.line < -1) faute("ligne d'erreur negative");
  }
  for (const auto& r : wf.identifiers.records())
    if (r.name.size() > kNomMax || r.name.find('\0') != std::string::npos) faute("nom hors champ : " + r.name);
  for (const auto& a : wf.attachments)
    if (a.variable.size() > kNomMax || a.object.size() > kNomMax) faute("rattachement hors champ");
}

const OptionsVerification& optionsEtendues() {
  static const OptionsVerification options = [] {
    OptionsVerification o;
    o.vlseEtendu = true;
    auto lu = CataloguePersonnel::lire(
        "SetModelPath ref? : texte id?\nAddItemNS ref : id nombre\nGetFormFromMod : texte texte -> ref\n"
        "Somme : nombre ...\nTout : variable expression?\n",
        "perso.txt");
    if (!lu.catalogue) faute("catalogue personnel refuse");
    o.catalogue = std::make_shared<const CataloguePersonnel>(std::move(*lu.catalogue));
    return o;
  }();
  return options;
}

void enMemoire(std::string_view script, const SettingsRecord& s, bool etendu) {
  const std::string texte = versModeTexteLecture(script);
  const int lines = compterLignes(texte);
  if (lines > kLignesMax) return;
  WorkFiles wf;
  // In memory every work file is there: a fatal stop would escape and abort.
  if (executerVerifications(wf, texte, lines, s.scriptKind, s.vlseDependent, {},
                            etendu ? optionsEtendues() : OptionsVerification{}) != kSucces)
    faute("code d'echec");
  verifierEnregistrements(wf);
  const std::string defaut = forme::defautDuTexte(composerRapport(wf, lines, s.showInfo, s.hideAlerts));
  if (!defaut.empty()) faute("rapport mal forme : " + defaut);
}

const fs::path& dossierDisque() {
  static const fs::path dossier = [] {
    std::string modele = (fs::temp_directory_path() / "quillomat-fuzz-XXXXXX").string();
    if (!mkdtemp(modele.data())) faute("pas de dossier temporaire");
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(dossierDisque(), ec);
    });
    return fs::path(modele);
  }();
  return dossier;
}

void surDisque(std::string_view script, std::string_view reglages) {
  const fs::path& dir = dossierDisque();
  if (!ecrireBinaire(dir / std::string(kFichierScript), script) ||
      !ecrireBinaire(dir / std::string(kFichierReglages), reglages))
    faute("ecriture impossible");
  const SettingsRecord s = lireReglages(dir);
  const int code = EnchaineTests(dir, s.showInfo, s.scriptKind, s.vlseDependent, s.hideAlerts);
  if (code == kScriptTropLong) {
    if (compterLignes(versModeTexteLecture(script)) <= kLignesMax) faute("script refuse a tort");
    return;
  }
  if (code != kSucces) faute("code " + std::to_string(code));
  for (WorkFile f : {WorkFile::Findings, WorkFile::Identifiers, WorkFile::Marks, WorkFile::Attachments})
    if (fs::exists(dir / std::string(nomFichier(f)))) faute("fichier de travail laisse");
  const auto rapport = lireBinaire(dir / std::string(kFichierRapport));
  if (!rapport) faute("rapport absent");
  const std::string defaut = forme::defautDuFichier(*rapport);
  if (!defaut.empty()) faute("rapport mal forme : " + defaut);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  const unsigned controle = data[0];
  const size_t nReglages = std::min<size_t>(controle % 36, size - 1);
  const std::string_view reglages = octets.substr(1, nReglages);
  const std::string_view script = octets.substr(1 + nReglages);
  if (controle >= 216)
    surDisque(script, reglages);
  else
    enMemoire(script, decoderSettings(reglages), (controle / 36) % 2 == 1);
  return 0;
}
