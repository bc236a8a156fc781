#include "syntax/script_type.hpp"

#include <array>

#include "pipeline/fatal_stop.hpp"
#include "pipeline/findings.hpp"

namespace quillomat {

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
        erreurLigne(wf, m.line, " : erreur, votre script ", nomTypeScript(declaredKind),
                    " utilise une spécificité des scripts ", nomTypeScript(m.kind), " !");
    return;
  }
  std::array<int, 3> counts{};
  for (const auto& m : wf.marks)
    if (m.kind >= 1 && m.kind <= 3) ++counts[static_cast<size_t>(m.kind - 1)];
  if ((counts[0] > 0) + (counts[1] > 0) + (counts[2] > 0) < 2) return;

  std::string text = "    - Erreur, le script a plusieurs types :";
  for (const auto& m : wf.marks) {
    const std::string item = composer("\n        * Ligne ", m.line + 1, " : script ", nomTypeScript(m.kind));
    if (text.size() + item.size() < 149) {
      text += item;
    } else {
      text += "\n        ...et d'autres aux lignes suivantes.";
      break;
    }
  }
  ajouterErreur(wf, -1, text, kErreur);
}

}  // namespace quillomat
