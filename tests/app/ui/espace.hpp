// A workspace without the application, for the tests of one editor feature:
// a real main frame (its command table, status bar and document area) and
// real document windows, recorded message boxes, a profile of its own. The
// commands chosen and the files asked for are recorded, nothing more.
#pragma once

#include <utility>

#include <QMdiArea>
#include <QSettings>
#include <QTemporaryDir>

#include "app/child_frame.hpp"
#include "app/document.hpp"
#include "app/main_frame.hpp"
#include "app/view.hpp"
#include "app/workspace.hpp"
#include "enregistres.hpp"

class EspaceDeTest : public EspaceTravail {
 public:
  EspaceDeTest()
      : m_profil(m_dossier.filePath(QStringLiteral("profil.ini")), QSettings::IniFormat), m_pCadre(new CMainFrame) {
    connect(m_pCadre->zoneDocuments(), &QMdiArea::subWindowActivated, this, [this] { Q_EMIT vueActivee(vueActive()); });
    connect(m_pCadre, &CMainFrame::commandeChoisie, this, [this](int id) { commandes.append(id); });
  }
  ~EspaceDeTest() override { delete std::exchange(m_pCadre, nullptr); }

  CMainFrame* cadre() const override { return m_pCadre; }
  QList<CChildFrame*> enfants() const override { return m_pCadre ? m_pCadre->enfants() : QList<CChildFrame*>(); }
  CChildFrame* enfantActif() const override { return m_pCadre ? m_pCadre->enfantActif() : nullptr; }
  CQuillomatView* vueActive() const override { return m_pCadre ? m_pCadre->vueActive() : nullptr; }
  CQuillomatDoc* documentActif() const override {
    CChildFrame* enfant = enfantActif();
    return enfant ? &enfant->GetActiveDocument() : nullptr;
  }
  const QList<QPointer<CQuillomatView>>& openViews() const override { return m_vues; }
  QSettings& profil() const override { return m_profil; }
  MessageService& messages() override { return enregistres; }
  CQuillomatDoc* OpenDocumentFile(const QString& chemin) override {
    ouverts.append(chemin);
    return nullptr;
  }

  // A document window named `nom` holding `texte`, made the active one.
  CChildFrame& ouvrir(const QString& nom, const QString& texte = {}) {
    auto* document = new CQuillomatDoc(nom);
    auto* enfant = new CChildFrame(document);
    enfant->GetActiveView().setPlainText(texte);
    m_pCadre->accueillir(*enfant);
    enfant->show();
    m_pCadre->zoneDocuments()->setActiveSubWindow(enfant);
    m_vues.prepend(&enfant->GetActiveView());
    Q_EMIT documentAjoute(document);
    return *enfant;
  }

  MessagesEnregistres enregistres;
  QStringList ouverts;  // by OpenDocumentFile
  QList<int> commandes;

 private:
  QTemporaryDir m_dossier;
  mutable QSettings m_profil;
  QList<QPointer<CQuillomatView>> m_vues;
  CMainFrame* m_pCadre;
};
