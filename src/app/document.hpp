// CQuillomatDoc: the text of one window and its file. Files are Latin-1 plain
// text; a file that begins with "{\rtf" is read as rich text, and every save
// writes plain text.
#pragma once

#include <QObject>
#include <QString>

class QTextDocument;

class CQuillomatDoc : public QObject {
  Q_OBJECT

 public:
  // How the file's bytes are read and written back. The game reads Latin-1;
  // a UTF-8 file is kept UTF-8 until the user converts it.
  enum class Encodage { Latin1, Utf8 };

  explicit CQuillomatDoc(const QString& nom, QObject* parent = nullptr);

  QTextDocument* texte() const { return m_pTexte; }
  // The text with '\n' between lines.
  QString contenu() const;

  // Reads a file; on failure, the French message in `erreur` and the document unchanged.
  bool charger(const QString& chemin, QString* erreur);
  // Writes plain Latin-1 text through a temporary file renamed over the old
  // one, so that a failed save leaves the old file whole. On failure the
  // French message in `erreur`; a character that Latin-1 cannot hold is
  // refused before anything is written.
  bool enregistrer(const QString& chemin, QString* erreur);

  QString chemin() const { return m_chemin; }
  QString nom() const { return m_nom; }
  bool estModifie() const;
  Encodage encodage() const { return m_encodage; }
  QByteArray finDeLigne() const { return m_finDeLigne; }

  // Takes back the text of a recovery copy, modified: saving writes it to
  // `chemin` as the document it was copied from wrote it. Without a file, the
  // document is called `nom` and saving asks for a name.
  void reprendre(const QString& texte, const QString& chemin, const QString& nom, Encodage encodage,
                 const QByteArray& finDeLigne);

  bool contientCode = true;  // false for a report window: it holds no script
  bool m_bRTF = false;       // the file was read as rich text

 Q_SIGNALS:
  void nomChange();

 private:
  void lireTexteSimple(const QByteArray& octets);
  void lireTexteRiche(const QByteArray& octets);

  QTextDocument* m_pTexte;
  QString m_chemin;
  QString m_nom;
  QByteArray m_finDeLigne = "\r\n";  // kept from the file read
  Encodage m_encodage = Encodage::Latin1;
};
