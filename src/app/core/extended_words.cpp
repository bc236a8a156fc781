#include "app/core/extended_words.hpp"

#include <string>
#include <string_view>

#include "functions/catalogue.hpp"
#include "functions/personal_catalogue.hpp"
#include "pipeline/project_settings.hpp"

namespace quillomat {
namespace {

// The keywords the later syntax adds to those of the shipped list.
constexpr std::string_view kMotsSystemeEtendus[] = {
    "int", "array_var", "string_var", "let", "eval", "while", "foreach", "loop", "break", "continue", "call", "function",
};

}  // namespace

ListeMots motsEtendus(bool vlseEtendu, const std::filesystem::path& dossierDuScript) {
  ListeMots mots;
  const LectureReglagesProjet l = dossierDuScript.empty() ? LectureReglagesProjet{} : reglagesDuDossier(dossierDuScript);
  if (l.erreur) return mots;
  OptionsVerification editeur;
  editeur.vlseEtendu = vlseEtendu;
  std::string erreurCatalogue;  // the check reports it
  const OptionsVerification o = l.reglages.options(erreurCatalogue, editeur);
  if (!o.vlseEtendu) return mots;
  for (std::string_view mot : kMotsSystemeEtendus) mots.ajouter(mot, kMotSysteme);
  mots.ajouter("SetFunctionValue", kMotFonction);
  for (const Row& row : fonctionsEtendues()) mots.ajouter(row.name, kMotFonction);
  if (o.catalogue)
    for (const FonctionDeclaree& f : o.catalogue->fonctions()) mots.ajouter(f.nom, kMotFonction);
  return mots;
}

}  // namespace quillomat
