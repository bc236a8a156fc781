// CQuillomatDoc: the text of one window and its file. Files are Latin-1 plain
// text, or UTF-8 when another editor wrote them so; a file that begins with
// "{\rtf" is read as rich text, and every save writes plain text.
#pragma once

#include <QObject>
#include <QString>

#include "app/core/disk_change.hpp"

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

  // Reads a file; on failure, the French message in `erreur` and the document
  // unchanged. Plain text that is valid UTF-8 with accents is read as UTF-8,
  // unless `latin1Seulement` (the check's report, written in Latin-1).
  bool charger(const QString& chemin, QString* erreur, bool latin1Seulement = false);
  // Writes plain text in the document's encoding through a temporary file
  // renamed over the old one, so that a failed save leaves the old file
  // whole. On failure the French message in `erreur`; in Latin-1, a character
  // that Latin-1 cannot hold is refused before anything is written.
  bool enregistrer(const QString& chemin, QString* erreur);
  // Makes a UTF-8 document Latin-1, as one step of the undo history; the file
  // changes at the next save. Refused, with the message naming the first
  // character Latin-1 cannot hold, when there is one.
  bool convertirEnLatin1(QString* erreur);

  QString chemin() const { return m_chemin; }
  QString nom() const { return m_nom; }
  bool estModifie() const;
  Encodage encodage() const { return m_encodage; }

  // The file as this document last read or wrote it, so that a change made by
  // another program is told from the editor's own saves.
  const quillomat::EtatFichier& etatDisque() const { return m_etatDisque; }
  void setEtatDisque(const quillomat::EtatFichier& etat) { m_etatDisque = etat; }
  // The file on disk now, summed up the same way (absent when unreadable).
  static quillomat::EtatFichier etatDe(const QString& chemin);

  bool contientCode = true;  // false for a report window: it holds no script
  bool m_bRTF = false;       // the file was read as rich text

 Q_SIGNALS:
  void nomChange();
  void encodageChange();

 private:
  void lireTexteSimple(const QByteArray& octets, bool latin1Seulement);
  void changerEncodage(Encodage encodage, bool bom);
  void lireTexteRiche(const QByteArray& octets);

  QTextDocument* m_pTexte;
  QString m_chemin;
  QString m_nom;
  QByteArray m_finDeLigne = "\r\n";  // kept from the file read
  Encodage m_encodage = Encodage::Latin1;
  bool m_bBom = false;  // the UTF-8 file began with a byte order mark, written back
  quillomat::EtatFichier m_etatDisque;
};
