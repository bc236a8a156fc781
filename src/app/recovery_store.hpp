// MagasinRecuperation: the recovery copies of this editor's documents. While
// a document has unsaved changes, a copy of its text is written a moment
// after the last change; it goes when the document is saved or closed. The
// copies live in a folder of this editor's own, held by a lock, so that
// another editor never takes them while this one runs.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>

class QLockFile;
class QTimer;
class CQuillomatDoc;

class MagasinRecuperation : public QObject {
  Q_OBJECT

 public:
  // `dossier`: where the folders of the running editors are ("recuperation").
  MagasinRecuperation(const QString& dossier, std::chrono::milliseconds delai, QObject* parent = nullptr);
  // Waits for the copies being written. Leaves the copies of documents still
  // open with unsaved changes; without any, the folder and the lock go.
  ~MagasinRecuperation() override;

  QString dossier() const { return m_dossier; }
  QString dossierInstance() const;  // this editor's copies

  // Copies the document whenever it has unsaved changes.
  void suivre(CQuillomatDoc& document);
  // The document was closed by the user: its copy goes.
  void abandonner(CQuillomatDoc& document);
  // Writes now the copies of every document changed since its last copy,
  // and returns once they are on disk (before a check run); false when one
  // could not be written.
  bool ecrireMaintenant();
  // Waits for the copies and removals already asked.
  void attendre();

 Q_SIGNALS:
  // A copy could not be written; said once, until a copy is written again.
  void echec(const QString& message);

 private:
  struct Suivi {
    QPointer<CQuillomatDoc> document;
    QTimer* minuteur = nullptr;
    QElapsedTimer attente;  // since the first change not yet copied
    QString fichier;
    bool aCopier = false;  // changed since its last copy
  };

  void changement(Suivi& suivi);
  bool copier(Suivi& suivi);  // false when the folder cannot be had
  void retirer(Suivi& suivi);
  bool preparer();
  void resultat(const QString& fichier, const QString& nom, const QString& erreur);

  QString m_dossier;
  std::chrono::milliseconds m_delai;
  QString m_instance;
  std::unique_ptr<QLockFile> m_pVerrou;
  std::map<const CQuillomatDoc*, Suivi> m_suivis;
  int m_numero = 0;
  bool m_bEchecDit = false;
  std::atomic<int> m_echecs{0};  // copies not written, counted by the writing thread
  // One thread: the copies and removals happen in the order asked, so that a
  // late copy never brings back a copy removed after it.
  QThreadPool m_ecrivain;
};
