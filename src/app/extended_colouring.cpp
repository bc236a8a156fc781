#include "extended_colouring.hpp"

#include <filesystem>
#include <map>

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

namespace {
// The folder whose settings file applies to a document; empty when none does.
QString dossierDe(const CQuillomatDoc& document) {
  if (!document.contientCode || document.chemin().isEmpty()) return {};
  return QFileInfo(document.chemin()).absolutePath();
}
}  // namespace

quillomat::ListeMots CColorationEtendue::motsDu(const QString& dossier) const {
  if (dossier.isEmpty()) return {};
  return quillomat::motsEtendus(CSyntaxeEtendue::active(m_espace.profil()), std::filesystem::path(dossier.toStdU16String()));
}

void CColorationEtendue::lire(CQuillomatDoc& document) {
  CMotsEtendus::de(*document.texte()).definir(motsDu(dossierDe(document)));
}

// Every document, the files of each folder read once.
void CColorationEtendue::lireTout() {
  std::map<QString, quillomat::ListeMots> parDossier;
  for (CChildFrame* enfant : m_espace.enfants()) {
    CQuillomatDoc& document = enfant->GetActiveDocument();
    const QString dossier = dossierDe(document);
    auto it = parDossier.find(dossier);
    if (it == parDossier.end()) it = parDossier.emplace(dossier, motsDu(dossier)).first;
    CMotsEtendus::de(*document.texte()).definir(it->second);
  }
}
