// CopiesLaissees: the recovery copies that editors no longer running left
// behind. The folder of a running editor is held by its lock and left alone;
// the folders taken stay locked while this object lives, so that another
// editor starting meanwhile does not offer the same copies.
#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "app/core/recovery_copy.hpp"

class QLockFile;

class CopiesLaissees {
 public:
  struct Copie {
    QString fichier;
    quillomat::CopieRecuperation copie;
  };

  explicit CopiesLaissees(const QString& dossier);
  // The folders left without copies go, then their locks.
  ~CopiesLaissees();
  CopiesLaissees(const CopiesLaissees&) = delete;
  CopiesLaissees& operator=(const CopiesLaissees&) = delete;

  // Newest first. A file that is not a whole copy is left where it is.
  const std::vector<Copie>& copies() const { return m_copies; }
  // Deletes the copy's file; false when it stays.
  bool supprimer(const Copie& copie) const;

 private:
  struct Instance {
    QString dossier;
    std::unique_ptr<QLockFile> verrou;
  };
  std::vector<Instance> m_instances;
  std::vector<Copie> m_copies;
};
