#include "document.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

#include "app/core/rtf_reader.hpp"
#include "latin1.hpp"

CQuillomatDoc::CQuillomatDoc(const QString& nom, QObject* parent)
    : QObject(parent), m_pTexte(new QTextDocument(this)), m_nom(nom) {
  m_pTexte->setDocumentLayout(new QPlainTextDocumentLayout(m_pTexte));
}

QString CQuillomatDoc::contenu() const { return texteDe(*m_pTexte); }

bool CQuillomatDoc::estModifie() const { return m_pTexte->isModified(); }

bool CQuillomatDoc::charger(const QString& chemin, QString* erreur) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) {
    if (erreur) *erreur = QStringLiteral("Impossible d'ouvrir le fichier \"%1\".").arg(QDir::toNativeSeparators(chemin));
    return false;
  }
  const QByteArray octets = fichier.readAll();
  m_bRTF = quillomat::estRtf(std::string_view(octets.constData(), static_cast<size_t>(octets.size())));
  m_pTexte->setUndoRedoEnabled(false);
  if (m_bRTF) {
    lireTexteRiche(octets);
  } else {
    lireTexteSimple(octets);
  }
  m_pTexte->setUndoRedoEnabled(true);
  m_pTexte->setModified(false);
  m_chemin = QFileInfo(chemin).absoluteFilePath();
  m_nom = QFileInfo(chemin).fileName();
  Q_EMIT nomChange();
  return true;
}

void CQuillomatDoc::lireTexteSimple(const QByteArray& octets) {
  // A file with bare line feeds is written back with bare line feeds.
  const qsizetype lf = octets.indexOf('\n');
  m_finDeLigne = (lf > 0 && octets.at(lf - 1) == '\r') || lf < 0 ? QByteArray("\r\n") : QByteArray("\n");
  QString texte = QString::fromLatin1(octets);
  texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texte.replace(u'\r', u'\n');
  m_pTexte->setPlainText(texte);
}

void CQuillomatDoc::lireTexteRiche(const QByteArray& octets) {
  m_finDeLigne = "\r\n";
  m_pTexte->clear();
  QTextCursor curseur(m_pTexte);
  for (const auto& fragment : quillomat::lireRtf(std::string_view(octets.constData(), static_cast<size_t>(octets.size())))) {
    QTextCharFormat format;
    format.setForeground(QColor(fragment.r, fragment.g, fragment.b));
    format.setFontWeight(fragment.gras ? QFont::Bold : QFont::Normal);
    format.setFontItalic(fragment.italique);
    QString texte = QString::fromUcs4(fragment.texte.data(), static_cast<qsizetype>(fragment.texte.size()));
    texte.replace(u'\r', u'\n');
    curseur.insertText(texte, format);
  }
}

bool CQuillomatDoc::enregistrer(const QString& chemin, QString* erreur) {
  const QString texte = contenu();
  if (const auto refus = horsLatin1(texte)) {
    if (erreur) *erreur = *refus;
    return false;
  }
  QByteArray octets = texte.toLatin1();
  if (m_finDeLigne != "\n") octets.replace('\n', m_finDeLigne);

  QSaveFile fichier(chemin);
  const bool ecrit = fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() && fichier.commit();
  if (!ecrit) {
    if (erreur) {
      *erreur = QStringLiteral("Impossible d'enregistrer le fichier \"%1\" (%2).\nLe fichier existant n'a pas été modifié.")
                    .arg(QDir::toNativeSeparators(chemin), fichier.errorString());
    }
    return false;
  }
  m_bRTF = false;  // what is on disk now is plain text
  m_pTexte->setModified(false);
  m_chemin = QFileInfo(chemin).absoluteFilePath();
  m_nom = QFileInfo(chemin).fileName();
  Q_EMIT nomChange();
  return true;
}

void CQuillomatDoc::reprendre(const QString& texte, const QString& chemin, const QString& nom, Encodage encodage,
                             const QByteArray& finDeLigne) {
  m_pTexte->setUndoRedoEnabled(false);
  m_pTexte->setPlainText(texte);
  m_pTexte->setUndoRedoEnabled(true);
  m_bRTF = false;
  m_encodage = encodage;
  m_finDeLigne = finDeLigne;
  m_chemin = chemin.isEmpty() ? QString() : QFileInfo(chemin).absoluteFilePath();
  m_nom = chemin.isEmpty() ? nom : QFileInfo(chemin).fileName();
  m_pTexte->setModified(true);
  Q_EMIT nomChange();
}
