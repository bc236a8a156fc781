#include "app/core/declared_words.hpp"

#include "functions/personal_catalogue.hpp"
#include "pipeline/project_settings.hpp"

namespace quillomat {

ListeMots fonctionsDeclarees(bool vlseEtendu, const std::filesystem::path& dossierDuScript) {
  const ReglagesDuScript r = reglagesDuScript(SettingsRecord{}, dossierDuScript, OptionsVerification{vlseEtendu});
  if (!r.erreur.empty() || !r.options.vlseEtendu || !r.options.catalogue) return {};
  std::vector<std::string_view> noms;
  for (const FonctionDeclaree& f : r.options.catalogue->fonctions()) noms.push_back(f.nom);
  return ListeMots::fonctions(noms);
}

}  // namespace quillomat
