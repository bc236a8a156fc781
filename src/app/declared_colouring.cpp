#include "declared_colouring.hpp"

#include <filesystem>

#include <QFileInfo>

#include "app/core/declared_words.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "extended_syntax.hpp"
#include "main_frame.hpp"
#include "view.hpp"
#include "view_colouring.hpp"
#include "workspace.hpp"

CColorationDeclarees::CColorationDeclarees(EspaceTravail& espace) : QObject(espace.cadre()), m_espace(espace) {
  setObjectName(QStringLiteral("colorationDeclarees"));
  connect(&espace, &EspaceTravail::documentAjoute, this, [this](CQuillomatDoc* d) { lire(*d); });
  connect(&espace, &EspaceTravail::vueActivee, this, [this](CQuillomatView* v) {
    if (v) lire(v->GetDocument());
  });
  connect(&espace, &EspaceTravail::documentEnregistre, this, &CColorationDeclarees::lireTout);
  connect(&espace, &EspaceTravail::reglagesAppliques, this, &CColorationDeclarees::lireTout);
}

void CColorationDeclarees::lire(CQuillomatDoc& document) {
  quillomat::ListeMots mots;
  if (document.contientCode && !document.chemin().isEmpty()) {
    const std::filesystem::path dossier(QFileInfo(document.chemin()).absolutePath().toStdU16String());
    mots = quillomat::fonctionsDeclarees(CSyntaxeEtendue::active(m_espace.profil()), dossier);
  }
  CMotsDeclares::de(*document.texte()).definir(std::move(mots));
}

void CColorationDeclarees::lireTout() {
  for (CChildFrame* enfant : m_espace.enfants()) lire(enfant->GetActiveDocument());
}
