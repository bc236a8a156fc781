#include "recovery_scan.hpp"

#include <algorithm>
#include <set>

#include <QDir>
#include <QFile>
#include <QLockFile>

#include "app/core/recovery_choice.hpp"

namespace {

bool contientCopie(const QDir& dossier) {
  const QStringList fichiers = dossier.entryList(QDir::Files);
  return std::any_of(fichiers.begin(), fichiers.end(),
                     [](const QString& f) { return quillomat::estNomCopie(f.toStdString()); });
}

}  // namespace

CopiesLaissees::CopiesLaissees(const QString& dossier) {
  const QDir racine(dossier);
  // An editor stopped between taking its lock and making its folder left a lock alone.
  std::set<QString> noms;
  for (const QString& nom : racine.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot)) {
    const QString instance = nom.endsWith(QStringLiteral(".verrou")) ? nom.chopped(7) : nom;
    if (quillomat::estNomInstance(instance.toStdString())) noms.insert(instance);
  }
  for (const QString& nom : noms) {
    auto verrou = std::make_unique<QLockFile>(
        racine.filePath(QString::fromStdString(quillomat::nomVerrou(nom.toStdString()))));
    verrou->setStaleLockTime(0);  // a running editor's lock is never stale, however old
    if (!verrou->tryLock(0)) continue;  // its editor runs (or the folder is not ours to write)
    const QDir copies(racine.filePath(nom));
    for (const QString& f : copies.entryList(QDir::Files, QDir::Name)) {
      if (!quillomat::estNomCopie(f.toStdString())) continue;
      QFile fichier(copies.filePath(f));
      if (!fichier.open(QIODevice::ReadOnly)) continue;
      const QByteArray octets = fichier.readAll();
      if (auto copie = quillomat::decoderCopie(std::string_view(octets.constData(), static_cast<size_t>(octets.size())))) {
        m_copies.push_back({fichier.fileName(), std::move(*copie)});
      }
    }
    m_instances.push_back({copies.path(), std::move(verrou)});
  }
  std::stable_sort(m_copies.begin(), m_copies.end(),
                   [](const Copie& a, const Copie& b) { return a.copie.date > b.copie.date; });
}

CopiesLaissees::~CopiesLaissees() {
  for (Instance& instance : m_instances) {
    QDir dossier(instance.dossier);
    if (!contientCopie(dossier)) dossier.removeRecursively();
    instance.verrou.reset();
  }
}

bool CopiesLaissees::supprimer(const Copie& copie) const { return QFile::remove(copie.fichier); }
