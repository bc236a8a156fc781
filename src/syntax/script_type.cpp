#include "syntax/script_type.hpp"

#include <array>

#include "pipeline/fatal_stop.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<2> kSpecificiteAutreType{"QM901",
                                           " : erreur, votre script {TYPE} utilise une spécificité des scripts "
                                           "{AUTRE_TYPE} !",
                                           "La ligne n'a de sens que dans un autre type de script que celui choisi "
                                           "dans les Préférences."};
constexpr Libelle<1> kPlusieursTypes{"QM902", "    - Erreur, le script a plusieurs types :{LIGNES}",
                                     "Le script mêle des spécificités de plusieurs types de script (quête, objet, "
                                     "effet magique)."};
constexpr const Fiche* kLibelles[] = {&kSpecificiteAutreType, &kPlusieursTypes};

}  // namespace

Libelles libellesScriptType() { return kLibelles; }

std::string_view nomTypeScript(int kind) {
  switch (kind) {
    case 1: return "de quête";
    case 2: return "d'objet";
    case 3: return "d'effet magique";
    default: return {};
  }
}

void ajouterMarqueType(WorkFiles& wf, int kind, int lineIndex) {
  wf.exiger(WorkFile::Marks, "typeScript");
  wf.marks.push_back(ScriptKindMark{lineIndex, kind});
}

void verifierTypeScript(WorkFiles& wf, int declaredKind) {
  if (!wf.disponible(WorkFile::Marks)) return;
  if (declaredKind != 0) {
    for (const auto& m : wf.marks)
      if (m.kind != declaredKind)
        signalerLigne(wf, m.line, kSpecificiteAutreType, nomTypeScript(declaredKind), nomTypeScript(m.kind));
    return;
  }
  std::array<int, 3> counts{};
  for (const auto& m : wf.marks)
    if (m.kind >= 1 && m.kind <= 3) ++counts[static_cast<size_t>(m.kind - 1)];
  if ((counts[0] > 0) + (counts[1] > 0) + (counts[2] > 0) < 2) return;

  // The list of lines stops before the whole text reaches 149 bytes.
  const size_t tete = kPlusieursTypes.forme.size() - std::string_view("{LIGNES}").size();
  std::string lignes;
  for (const auto& m : wf.marks) {
    const std::string item = composer("\n        * Ligne ", m.line + 1, " : script ", nomTypeScript(m.kind));
    if (tete + lignes.size() + item.size() < 149) {
      lignes += item;
    } else {
      lignes += "\n        ...et d'autres aux lignes suivantes.";
      break;
    }
  }
  signalerTexte(wf, -1, kPlusieursTypes, lignes);
}

}  // namespace quillomat
