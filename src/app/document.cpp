#include "document.hpp"

#include <functional>

#include <QAbstractUndoItem>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include "app/core/rtf_reader.hpp"
#include "app/core/utf8_detection.hpp"
#include "latin1.hpp"

namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

quillomat::EtatFichier etatDesOctets(const QByteArray& octets) {
  const QByteArray empreinte = QCryptographicHash::hash(octets, QCryptographicHash::Sha256);
  return {true, empreinte.toStdString()};
}

// A step of the undo history that changes no text.
class EtapeSansTexte : public QAbstractUndoItem {
 public:
  EtapeSansTexte(std::function<void()> annuler, std::function<void()> refaire)
      : m_annuler(std::move(annuler)), m_refaire(std::move(refaire)) {}
  void undo() override { m_annuler(); }
  void redo() override { m_refaire(); }

 private:
  std::function<void()> m_annuler;
  std::function<void()> m_refaire;
};

}  // namespace

CQuillomatDoc::CQuillomatDoc(const QString& nom, QObject* parent)
    : QObject(parent), m_pTexte(new QTextDocument(this)), m_nom(nom) {
  m_pTexte->setDocumentLayout(new QPlainTextDocumentLayout(m_pTexte));
}

QString CQuillomatDoc::contenu() const { return texteDe(*m_pTexte); }

bool CQuillomatDoc::estModifie() const { return m_pTexte->isModified(); }

quillomat::EtatFichier CQuillomatDoc::etatDe(const QString& chemin) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) return {};
  return etatDesOctets(fichier.readAll());
}

bool CQuillomatDoc::charger(const QString& chemin, QString* erreur, bool latin1Seulement) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) {
    if (erreur) *erreur = QStringLiteral("Impossible d'ouvrir le fichier \"%1\".").arg(QDir::toNativeSeparators(chemin));
    return false;
  }
  const QByteArray octets = fichier.readAll();
  m_bRTF = quillomat::estRtf(std::string_view(octets.constData(), static_cast<size_t>(octets.size())));
  const Encodage avant = m_encodage;
  m_pTexte->setUndoRedoEnabled(false);
  if (m_bRTF) {
    lireTexteRiche(octets);
  } else {
    lireTexteSimple(octets, latin1Seulement);
  }
  m_pTexte->setUndoRedoEnabled(true);
  m_pTexte->setModified(false);
  m_etatDisque = etatDesOctets(octets);
  m_chemin = QFileInfo(chemin).absoluteFilePath();
  m_nom = QFileInfo(chemin).fileName();
  Q_EMIT nomChange();
  if (m_encodage != avant) Q_EMIT encodageChange();
  return true;
}

void CQuillomatDoc::lireTexteSimple(const QByteArray& octets, bool latin1Seulement) {
  // A file with bare line feeds is written back with bare line feeds.
  const qsizetype lf = octets.indexOf('\n');
  m_finDeLigne = (lf > 0 && octets.at(lf - 1) == '\r') || lf < 0 ? QByteArray("\r\n") : QByteArray("\n");
  const std::string_view brut(octets.constData(), static_cast<size_t>(octets.size()));
  QString texte;
  if (!latin1Seulement && quillomat::estUtf8NonAscii(brut)) {
    m_encodage = Encodage::Utf8;
    m_bBom = octets.startsWith(kBom);
    // The mark is kept aside and written back; any other U+FEFF is text.
    QStringDecoder decodeur(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    texte = decodeur(QByteArrayView(octets).sliced(m_bBom ? kBom.size() : 0));
  } else {
    m_encodage = Encodage::Latin1;
    m_bBom = false;
    texte = QString::fromLatin1(octets);
  }
  texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texte.replace(u'\r', u'\n');
  m_pTexte->setPlainText(texte);
}

void CQuillomatDoc::lireTexteRiche(const QByteArray& octets) {
  m_finDeLigne = "\r\n";
  m_encodage = Encodage::Latin1;
  m_bBom = false;
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
  QByteArray octets;
  if (m_encodage == Encodage::Utf8) {
    octets = (m_bBom ? kBom : QByteArray()) + texte.toUtf8();
  } else if (const auto refus = horsLatin1(texte)) {
    if (erreur) *erreur = *refus;
    return false;
  } else {
    octets = texte.toLatin1();
  }
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
  m_etatDisque = etatDesOctets(octets);
  m_chemin = QFileInfo(chemin).absoluteFilePath();
  m_nom = QFileInfo(chemin).fileName();
  Q_EMIT nomChange();
  return true;
}

bool CQuillomatDoc::convertirEnLatin1(QString* erreur) {
  if (m_encodage == Encodage::Latin1) return true;
  if (const auto refus = horsLatin1(contenu())) {
    if (erreur) *erreur = *refus;
    return false;
  }
  const bool bom = m_bBom;
  changerEncodage(Encodage::Latin1, false);
  if (!m_pTexte->isUndoRedoEnabled()) {
    m_pTexte->setModified(true);
    return true;
  }
  m_pTexte->appendUndoItem(new EtapeSansTexte([this, bom] { changerEncodage(Encodage::Utf8, bom); },
                                              [this] { changerEncodage(Encodage::Latin1, false); }));
  // A step that changes no text leaves the modified flag as it was: taking it
  // back and forth makes the text recount it from its undo history, so that
  // undoing the conversion of an unchanged document leaves it unchanged.
  m_pTexte->undo();
  m_pTexte->redo();
  return true;
}

void CQuillomatDoc::changerEncodage(Encodage encodage, bool bom) {
  m_bBom = bom;
  if (encodage == m_encodage) return;
  m_encodage = encodage;
  Q_EMIT encodageChange();
}
