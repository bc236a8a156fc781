// CConstatsVue: the findings of the check while typing in one script view.
// Each line that has some gets a wavy underline under its code (red for
// errors, orange for alerts), their messages in a tooltip over the line, and
// a dot in the gutter. The underlines are extra selections of the view: they
// stay out of the undo history and never mark the document modified. Only the
// lines on screen get one, so that thousands of findings cost what a screen
// of them costs. Until the next check, findings follow their lines through
// the edits.
#pragma once

#include <QObject>
#include <QPointer>
#include <string_view>

#include "app/core/live_findings.hpp"
#include "pipeline/suppressions.hpp"

class QMenu;
class CGoutiere;
class CQuillomatView;

class CConstatsVue : public QObject {
  Q_OBJECT

 public:
  // Belongs to the view, as its child.
  explicit CConstatsVue(CQuillomatView& vue, bool avecGoutiere);
  ~CConstatsVue() override;

  // The one a view has, or null.
  static CConstatsVue* de(const CQuillomatView& vue);

  CQuillomatView& vue() const { return m_vue; }
  quillomat::Revisions& revisions() { return m_revisions; }
  const quillomat::ConstatsAffiches& constats() const { return m_constats; }
  CGoutiere* goutiere() const;

  void afficher(quillomat::ConstatsAffiches constats);
  // Nothing shown any more; the next check runs whatever the text.
  void effacer();
  void setGoutiere(bool affichee);
  // Moves the caret to the start of the code of `ligne` (1-based) and gives
  // the view the focus.
  void allerALigne(int ligne);
  // The messages of the line at `point` of the view's viewport; empty for none.
  QString messagesEn(QPoint point) const;
  // Writes the directive that silences `code` on `ligne` (1-based) or in the
  // whole script, as one undo step; false when that line holds no code.
  bool ignorer(std::string_view code, int ligne, quillomat::Portee portee);
  // Adds to `menu` the actions that silence the findings of `ligne` (0: on
  // the whole script), or only those of `code` when it is given.
  void ajouterActionsIgnorer(QMenu& menu, int ligne, std::string_view code = {});

 Q_SIGNALS:
  void texteModifie();      // a check is due
  void constatsChanges();   // other findings are shown
  void constatsDeplaces();  // the same findings, on other lines

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  void suivreModification(int position, int otes, int ajoutes);
  void soulignerLignesVisibles();

  CQuillomatView& m_vue;
  quillomat::ConstatsAffiches m_constats;
  quillomat::Revisions m_revisions;
  QPointer<CGoutiere> m_pGoutiere;
  int m_lignes;  // the text's line count before the edit being followed
};
