// A running editor in a temporary working directory, with recorded message
// boxes and a recorded system opener. A feature that needs only a workspace
// is tested with espace.hpp instead.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>

#include "app/app.hpp"
#include "app/child_frame.hpp"
#include "app/document.hpp"
#include "app/main_frame.hpp"
#include "app/view.hpp"
#include "enregistres.hpp"
#include "pipeline/records.hpp"

// Before a start: the settings file of the working directory.
inline std::function<void(const QDir&)> reglages(const quillomat::SettingsRecord& r) {
  return [r](const QDir& d) { quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), r); };
}

class Banc {
 public:
  // `avant` runs in the working directory before the application starts with
  // `fichiers` on its command line. The recovery copies go to a folder of the
  // bench's own unless one is named.
  explicit Banc(const std::function<void(const QDir&)>& avant = {}, const QString& dossierRecuperation = {},
                std::chrono::milliseconds delaiRecuperation = std::chrono::milliseconds(3000),
                const QStringList& fichiers = {})
      : m_ancien(QDir::currentPath()), m_dossierRecuperation(dossierRecuperation), m_delai(delaiRecuperation),
        m_fichiers(fichiers) {
    QDir::setCurrent(m_dossier.path());
    if (avant) avant(dossier());
    demarrer();
  }
  ~Banc() {
    app.reset();
    QDir::setCurrent(m_ancien);
  }

  // Quits as the user does, then starts again with the same profile.
  void redemarrer() {
    app->OnAppExit();
    app.reset();
    demarrer();
  }

  QDir dossier() const { return QDir(m_dossier.path()); }
  QString chemin(const QString& nom) const { return dossier().filePath(nom); }
  CMainFrame& cadre() const { return *app->m_pMainFrame; }
  CQuillomatView& vue() const { return *app->vueActive(); }
  int fenetres() const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(app->enfants().size());
  }
  void activer(CChildFrame* enfant) const { cadre().zoneDocuments()->setActiveSubWindow(enfant); }
  void ecrire(const QString& nom, const QByteArray& octets) const {
    QFile f(chemin(nom));
    f.open(QIODevice::WriteOnly);
    f.write(octets);
  }
  CQuillomatDoc* ouvrir(const QString& nom, const QByteArray& octets) const {
    ecrire(nom, octets);
    return app->OpenDocumentFile(chemin(nom));
  }
  QByteArray lire(const QString& nom) const {
    QFile f(chemin(nom));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }
  void fermerTout() const {
    app->peutQuitter();
    cadre().zoneDocuments()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void declencher(int id) const { cadre().action(id)->trigger(); }

  MessagesEnregistres* messages = nullptr;
  OuvreurEnregistre* ouvreur = nullptr;
  std::unique_ptr<CQuillomatApp> app;

 private:
  void demarrer() {
    auto messagesEnregistres = std::make_unique<MessagesEnregistres>();
    auto ouvreurEnregistre = std::make_unique<OuvreurEnregistre>();
    messages = messagesEnregistres.get();
    ouvreur = ouvreurEnregistre.get();
    OptionsApp options;
    options.fichierProfil = chemin(QStringLiteral("profil.ini"));
    options.dossierProgramme = chemin(QStringLiteral("programme"));
    options.messages = std::move(messagesEnregistres);
    options.ouvreur = std::move(ouvreurEnregistre);
    options.dossierRecuperation =
        m_dossierRecuperation.isEmpty() ? m_donnees.filePath(QStringLiteral("recuperation")) : m_dossierRecuperation;
    options.delaiRecuperation = m_delai;
    app = std::make_unique<CQuillomatApp>(std::move(options));
    app->InitInstance(m_fichiers);
  }

  QTemporaryDir m_dossier;
  QTemporaryDir m_donnees;  // the user's data folder, never the working directory
  QString m_ancien, m_dossierRecuperation;
  std::chrono::milliseconds m_delai;
  QStringList m_fichiers;
};
