// CQuillomatView: the text window of a document. Lines never wrap: one text
// line is one script line. What the editor does with its keys (Enter, a
// character typed, a paste, the focus back) it asks by signals, and the
// accelerators of the command table it finds among its window's actions.
#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>

class QAction;
class QKeyEvent;
class CQuillomatDoc;

class CQuillomatView : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CQuillomatView(CQuillomatDoc& document, QWidget* parent = nullptr);

  CQuillomatDoc& GetDocument() const { return m_document; }

  // Selection as (start, end), start <= end, in characters from 0.
  int debutSelection() const;
  int finSelection() const;
  void setSelection(int debut, int fin);
  int nombreLignes() const;
  // Room at the left of the text, for the line-number gutter.
  void setMargeGauche(int largeur) { setViewportMargins(largeur, 0, 0, 0); }
  // The first line shown and where a line stands in the viewport: what the
  // gutter needs to draw the numbers without laying out any line again.
  QTextBlock premierBlocVisible() const { return firstVisibleBlock(); }
  QRectF placeDuBloc(const QTextBlock& bloc) const { return blockBoundingGeometry(bloc).translated(contentOffset()); }

  // Paste that colours what it inserts (command 32801).
  void OnPasteColoured();
  // Text put in at once by other means than the keyboard (a recovery copy
  // taken back): coloured as a paste is.
  void texteInsere(int debut, int fin) { Q_EMIT texteColle(debut, fin); }

 Q_SIGNALS:
  void nouvelleLigne();  // Enter, when its accelerator did not take it
  void caractereTape();
  void texteColle(int debut, int fin);
  // The view gains the focus or a click: an open "Aller à la ligne" box takes
  // it as its OK; `*confirmee` set when one did.
  void confirmationDemandee(bool* confirmee);

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // The command of the window whose accelerator the key is, enabled or not; null for none.
  QAction* commandeDeLaTouche(const QKeyEvent& touche) const;
  bool confirmerAllerALigne();

  CQuillomatDoc& m_document;
  QElapsedTimer m_clicConfirmant;  // since a focus that confirmed "Aller à la ligne"
};
