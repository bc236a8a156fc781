#include "extended_colouring.hpp"

#include <filesystem>

#include <QFileInfo>

#include "app/core/extended_words.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "extended_syntax.hpp"
#include "main_frame.hpp"
#include "view.hpp"
#include "view_colouring.hpp"
#include "workspace.hpp"

CColorationEtendue::CColorationEtendue(EspaceTravail& espace) : QObject(espace.cadre()), m_espace(espace) {
  setObjectName(QStringLiteral("colorationEtendue"));
  connect(&espace, &EspaceTravail::documentAjoute, this, [this](CQuillomatDoc* d) { lire(*d); });
  connect(&espace, &EspaceTravail::vueActivee, this, [this](CQuillomatView* v) {
    if (v) lire(v->GetDocument());
  });
  connect(&espace, &EspaceTravail::documentEnregistre, this, &CColorationEtendue::lireTout);
  connect(&espace, &EspaceTravail::reglagesAppliques, this, &CColorationEtendue::lireTout);
}

void CColorationEtendue::lire(CQuillomatDoc& document) {
  quillomat::ListeMots mots;
  if (document.contientCode && !document.chemin().isEmpty()) {
    const std::filesystem::path dossier(QFileInfo(document.chemin()).absolutePath().toStdU16String());
    mots = quillomat::motsEtendus(CSyntaxeEtendue::active(m_espace.profil()), dossier);
  }
  CMotsEtendus::de(*document.texte()).definir(std::move(mots));
}

void CColorationEtendue::lireTout() {
  for (CChildFrame* enfant : m_espace.enfants()) lire(enfant->GetActiveDocument());
}
