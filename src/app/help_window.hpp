// The help shown in a window of the editor, for a desktop that has no program
// to open "AideDebug.htm" or "AideDebug.txt" with.
#pragma once

#include <QDialog>

class QTextBrowser;

class CFenetreAide : public QDialog {
  Q_OBJECT

 public:
  // Shows the help file `chemin` (a page or plain text, Latin-1 unless the
  // page says otherwise) in the help window of `proprietaire`, opened or
  // brought to the front. False, with the French reason in `erreur`, when the
  // file cannot be read.
  static bool afficher(const QString& chemin, QWidget* proprietaire, QString* erreur);

  QTextBrowser* texte() const { return m_pTexte; }

 private:
  explicit CFenetreAide(QWidget* proprietaire);

  QTextBrowser* m_pTexte;
};
