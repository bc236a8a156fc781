// CRecuperation: nothing the user typed is lost when the editor stops
// without asking (crash, killed process, power cut). It keeps a recovery copy
// of every document with unsaved changes (MagasinRecuperation) and, at start,
// offers back the copies that a stopped editor left (CRecuperationDlg).
#pragma once

#include <chrono>

#include <QObject>
#include <QString>

#include "app/core/recovery_choice.hpp"
#include "recovery_scan.hpp"

class EspaceTravail;
class MagasinRecuperation;

class CRecuperation : public QObject {
  Q_OBJECT

 public:
  // `dossier`: where the copies go; empty: "recuperation" in the user's data folder.
  // Belongs to the workspace.
  CRecuperation(EspaceTravail& espace, const QString& dossier, std::chrono::milliseconds delai);

  MagasinRecuperation& magasin() const { return *m_pMagasin; }
  // Offers the copies left by editors no longer running (once the main window shows).
  void proposer();

 private:
  void appliquer(const CopiesLaissees& laissees, const CopiesLaissees::Copie& copie, quillomat::ChoixCopie choix);

  EspaceTravail& m_espace;
  MagasinRecuperation* m_pMagasin;
  int m_attentes = 0;  // for the main window to show
};
