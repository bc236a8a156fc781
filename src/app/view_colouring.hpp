// The colours of a script window. They live in the text layout, not in the
// text: they never enter the undo history, never mark the document modified,
// and every line whose text changes, whatever changed it (typing, Delete,
// cut, undo, redo, replace), is recoloured from its new text at once.
#pragma once

#include <functional>

#include <QPointer>
#include <QSyntaxHighlighter>

#include "app/core/word_list.hpp"

class QTextDocument;

// The words of the later syntax for a text (its keywords, its functions, those
// a personal catalogue declares), kept beside it (a child of the text) so that
// its highlighter finds them whenever it is made.
class CMotsEtendus : public QObject {
  Q_OBJECT

 public:
  // The names of a text, made empty on first use.
  static CMotsEtendus& de(QTextDocument& texte);

  const quillomat::ListeMots& mots() const { return m_mots; }
  // Other names than before are announced, so that the text is coloured again.
  void definir(quillomat::ListeMots mots);

 Q_SIGNALS:
  void changes();

 private:
  explicit CMotsEtendus(QTextDocument& texte);
  quillomat::ListeMots m_mots;
};

class CSurligneurScript : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  // `actif` is the application's colouring flag: while it is false, lines
  // are shown plain.
  CSurligneurScript(QTextDocument& texte, const quillomat::ListeMots& mots, const bool& actif);

  // The highlighter of a text, null when it has none yet.
  static CSurligneurScript* de(const QTextDocument& texte);

  // Called after each line coloured, for the progress bar of long passes.
  void setApresLigne(std::function<void()> apresLigne) { m_apresLigne = std::move(apresLigne); }

  // While suspended, changed lines are left plain: the paste trigger
  // colours them right after, once, with its progress display.
  void suspendre(bool suspendu) { m_suspendu = suspendu; }

 protected:
  void highlightBlock(const QString& texte) override;

 private:
  const quillomat::ListeMots& m_mots;
  QPointer<CMotsEtendus> m_pEtendus;
  const bool& m_actif;
  bool m_suspendu = false;
  std::function<void()> m_apresLigne;
};

// Suspends the colouring of a text for the time of one edit.
class PauseColoration {
 public:
  explicit PauseColoration(const QTextDocument& texte);
  ~PauseColoration();
  PauseColoration(const PauseColoration&) = delete;
  PauseColoration& operator=(const PauseColoration&) = delete;

 private:
  QPointer<CSurligneurScript> m_pSurligneur;
};
