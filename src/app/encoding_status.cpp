#include "encoding_status.hpp"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "document.hpp"
#include "main_frame.hpp"
#include "message_service.hpp"
#include "view.hpp"  // the type of the workspace's signal
#include "workspace.hpp"

IndicateurEncodage::IndicateurEncodage(EspaceTravail& espace)
    : QObject(espace.cadre()), m_cadre(*espace.cadre()), m_espace(espace), m_pEtiquette(new QLabel(&m_cadre)) {
  m_pEtiquette->setObjectName(QStringLiteral("indicateurEncodage"));
  m_pEtiquette->setText(QStringLiteral("UTF-8 — le jeu lit le Latin-1 : Fichier > Convertir en Latin-1"));
  m_pEtiquette->setToolTip(
      QStringLiteral("Ce fichier est en UTF-8 et le reste tant que vous ne le convertissez pas.\n"
                     "Le jeu lit les scripts en Latin-1 : il y lirait chaque lettre accentuée comme deux "
                     "caractères."));
  // Left of the caret panes, shown only for a UTF-8 document.
  m_cadre.statusBar()->insertPermanentWidget(1, m_pEtiquette);  // after the message pane
  m_pEtiquette->hide();
  connect(&espace, &EspaceTravail::vueActivee, this, &IndicateurEncodage::suivreDocumentActif);
  if (QAction* a = m_cadre.action(kConvertir)) connect(a, &QAction::triggered, this, &IndicateurEncodage::convertir);
}

void IndicateurEncodage::suivreDocumentActif() {
  CQuillomatDoc* document = m_espace.documentActif();
  if (document != m_pDocument) {
    if (m_pDocument) disconnect(m_pDocument, nullptr, this, nullptr);
    m_pDocument = document;
    if (document) connect(document, &CQuillomatDoc::encodageChange, this, &IndicateurEncodage::afficher);
  }
  afficher();
}

void IndicateurEncodage::afficher() {
  // Also called while the frame closes its windows: the frame is not touched.
  if (m_pEtiquette) m_pEtiquette->setVisible(m_pDocument && m_pDocument->encodage() == CQuillomatDoc::Encodage::Utf8);
}

void IndicateurEncodage::convertir() {
  CQuillomatDoc* document = m_espace.documentActif();
  if (!document || document->encodage() != CQuillomatDoc::Encodage::Utf8) return;
  QString refus;
  if (!document->convertirEnLatin1(&refus)) {
    m_espace.messages().erreur(&m_cadre, QStringLiteral("Quillomat"),
                            QStringLiteral("Le document ne peut pas être converti en Latin-1.\n") + refus);
    return;
  }
  m_cadre.mettreAJourCommandes();
  m_cadre.SetPaneText(0, QStringLiteral("Document converti en Latin-1 : il sera écrit ainsi au prochain "
                                        "enregistrement."));
}
