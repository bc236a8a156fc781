#include "recovery_store.hpp"

#include <algorithm>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QTextDocument>
#include <QTimer>
#include <QUuid>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include "app/core/recovery_choice.hpp"
#include "app/core/recovery_copy.hpp"
#include "document.hpp"

namespace {

QString depuisStd(const std::string& nom) { return QString::fromStdString(nom); }

// A rename is on disk only once its folder is.
void synchroniserDossier(const QString& dossier) {
#ifdef Q_OS_UNIX
  const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
#else
  Q_UNUSED(dossier);
#endif
}

// Runs on the writing thread. The copy goes through a temporary file flushed
// to disk then renamed over the previous copy: a crash while writing leaves
// the previous copy whole. Empty when written, else the reason.
QString ecrireCopie(const QString& fichier, const quillomat::CopieRecuperation& copie) {
  const std::string octets = quillomat::encoderCopie(copie);
  const QString dossier = QFileInfo(fichier).path();
  if (!QDir().mkpath(dossier)) return QStringLiteral("dossier %1 impossible à créer").arg(QDir::toNativeSeparators(dossier));
  QSaveFile f(fichier);
  const bool ecrit = f.open(QIODevice::WriteOnly) &&
                     f.write(octets.data(), static_cast<qint64>(octets.size())) == static_cast<qint64>(octets.size()) &&
                     f.commit();
  if (!ecrit) return f.errorString();
  synchroniserDossier(dossier);
  return {};
}

}  // namespace

MagasinRecuperation::MagasinRecuperation(const QString& dossier, std::chrono::milliseconds delai, QObject* parent)
    : QObject(parent), m_dossier(dossier), m_delai(delai), m_instance(QUuid::createUuid().toString(QUuid::Id128)) {
  m_ecrivain.setMaxThreadCount(1);
}

MagasinRecuperation::~MagasinRecuperation() {
  m_ecrivain.waitForDone();
  if (!m_pVerrou) return;
  QDir instance(dossierInstance());
  const QStringList fichiers = instance.entryList(QDir::Files);
  const bool sansCopie = std::none_of(fichiers.begin(), fichiers.end(), [](const QString& f) {
    return quillomat::estNomCopie(f.toStdString());
  });
  if (sansCopie) instance.removeRecursively();
  m_pVerrou.reset();  // the lock goes last: until then no other editor takes the folder
}

QString MagasinRecuperation::dossierInstance() const { return QDir(m_dossier).filePath(m_instance); }

void MagasinRecuperation::suivre(CQuillomatDoc& document) {
  if (m_suivis.count(&document)) return;
  Suivi& suivi = m_suivis[&document];
  suivi.document = &document;
  suivi.fichier = QDir(dossierInstance()).filePath(depuisStd(quillomat::nomCopie(++m_numero)));
  suivi.minuteur = new QTimer(this);
  suivi.minuteur->setSingleShot(true);
  suivi.minuteur->setInterval(m_delai);
  CQuillomatDoc* cle = &document;
  connect(suivi.minuteur, &QTimer::timeout, this, [this, cle] { copier(m_suivis.at(cle)); });
  connect(document.texte(), &QTextDocument::contentsChanged, this, [this, cle] { changement(m_suivis.at(cle)); });
  connect(document.texte(), &QTextDocument::modificationChanged, this, [this, cle](bool modifie) {
    if (modifie) {
      changement(m_suivis.at(cle));
    } else {
      retirer(m_suivis.at(cle));  // saved, or undone back to the file
    }
  });
  // Destroyed without being closed by the user (the program ends otherwise):
  // the copy stays for the next start.
  connect(&document, &QObject::destroyed, this, [this, cle] {
    const auto it = m_suivis.find(cle);
    if (it == m_suivis.end()) return;
    delete it->second.minuteur;
    m_suivis.erase(it);
  });
  if (document.estModifie()) changement(suivi);
}

void MagasinRecuperation::abandonner(CQuillomatDoc& document) {
  const auto it = m_suivis.find(&document);
  if (it == m_suivis.end()) return;
  retirer(it->second);
  document.disconnect(this);
  document.texte()->disconnect(this);
  delete it->second.minuteur;
  m_suivis.erase(it);
}

bool MagasinRecuperation::ecrireMaintenant() {
  const int echecs = m_echecs;
  bool prets = true;
  for (auto& [document, suivi] : m_suivis) {
    if (suivi.aCopier) prets = copier(suivi) && prets;
  }
  attendre();
  return prets && m_echecs == echecs;
}

void MagasinRecuperation::attendre() { m_ecrivain.waitForDone(); }

void MagasinRecuperation::changement(Suivi& suivi) {
  // The colouring of a text touches its layout, not its words: a document
  // without unsaved changes has nothing to copy.
  if (!suivi.document || !suivi.document->estModifie()) return;
  suivi.aCopier = true;
  // Typing without a pause still gets a copy now and then.
  if (!suivi.minuteur->isActive()) {
    suivi.attente.start();
    suivi.minuteur->start();
  } else if (suivi.attente.elapsed() < 4 * m_delai.count()) {
    suivi.minuteur->start();
  }
}

bool MagasinRecuperation::copier(Suivi& suivi) {
  suivi.minuteur->stop();
  CQuillomatDoc* document = suivi.document;
  if (!document || !document->estModifie()) return true;
  if (!preparer()) return false;
  suivi.aCopier = false;
  // The text as it is now; the heavier work (UTF-8, disk) is the writing thread's.
  const QString texte = document->contenu();
  const QString chemin = document->chemin();
  const QString nom = document->nom();
  const bool utf8 = document->encodage() == CQuillomatDoc::Encodage::Utf8;
  const bool crlf = document->finDeLigne() == "\r\n";
  const bool bom = document->bom();
  const qint64 date = QDateTime::currentSecsSinceEpoch();
  const QString fichier = suivi.fichier;
  m_ecrivain.start([this, texte, chemin, nom, utf8, bom, crlf, date, fichier] {
    quillomat::CopieRecuperation copie;
    copie.chemin = chemin.toStdU16String();
    copie.nom = nom.toStdU16String();
    copie.encodage = utf8 ? quillomat::EncodageCopie::Utf8 : quillomat::EncodageCopie::Latin1;
    copie.bom = bom;
    copie.crlf = crlf;
    copie.date = date;
    copie.texte = texte.toStdU16String();
    const QString erreur = ecrireCopie(fichier, copie);
    if (!erreur.isEmpty()) ++m_echecs;
    QMetaObject::invokeMethod(this, [this, fichier, nom, erreur] { resultat(fichier, nom, erreur); },
                              Qt::QueuedConnection);
  });
  return true;
}

void MagasinRecuperation::retirer(Suivi& suivi) {
  suivi.minuteur->stop();
  suivi.aCopier = false;
  if (!m_pVerrou) return;  // no copy was ever written
  const QString fichier = suivi.fichier;
  m_ecrivain.start([fichier] {
    if (QFile::remove(fichier)) synchroniserDossier(QFileInfo(fichier).path());
  });
}

bool MagasinRecuperation::preparer() {
  if (m_pVerrou) return true;
  // The lock comes before the folder: another editor starting meanwhile
  // never sees this folder without its lock.
  auto verrou = std::make_unique<QLockFile>(
      QDir(m_dossier).filePath(depuisStd(quillomat::nomVerrou(m_instance.toStdString()))));
  verrou->setStaleLockTime(0);  // held as long as this editor runs, however long
  QString erreur;
  if (!QDir().mkpath(m_dossier)) {
    erreur = QStringLiteral("dossier %1 impossible à créer").arg(QDir::toNativeSeparators(m_dossier));
  } else if (!verrou->tryLock(0)) {
    erreur = QStringLiteral("verrou impossible à poser dans %1").arg(QDir::toNativeSeparators(m_dossier));
  } else if (!QDir().mkpath(dossierInstance())) {
    erreur = QStringLiteral("dossier %1 impossible à créer").arg(QDir::toNativeSeparators(dossierInstance()));
  }
  if (!erreur.isEmpty()) {
    resultat(QString(), QString(), erreur);
    return false;
  }
  m_pVerrou = std::move(verrou);
  return true;
}

void MagasinRecuperation::resultat(const QString& fichier, const QString& nom, const QString& erreur) {
  if (erreur.isEmpty()) {
    m_bEchecDit = false;
    return;
  }
  // Tried again at the next change or check, not in a loop on a full disk.
  for (auto& [document, suivi] : m_suivis) {
    if (suivi.fichier == fichier) suivi.aCopier = true;
  }
  if (m_bEchecDit) return;
  m_bEchecDit = true;
  const QString de = nom.isEmpty() ? QString() : QStringLiteral(" de %1").arg(nom);
  Q_EMIT echec(QStringLiteral("Impossible d'écrire la copie de récupération%1 (%2).").arg(de, erreur));
}
