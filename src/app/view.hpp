// CQuillomatView: the text window of a document. Lines never wrap: one text
// line is one script line.
#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>

class CQuillomatApp;
class CQuillomatDoc;

class CQuillomatView : public QPlainTextEdit {
  Q_OBJECT

 public:
  CQuillomatView(CQuillomatApp& app, CQuillomatDoc& document, QWidget* parent = nullptr);

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

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  CQuillomatApp& m_app;
  CQuillomatDoc& m_document;
  QElapsedTimer m_clicConfirmant;  // since a focus that confirmed "Aller à la ligne"
};
