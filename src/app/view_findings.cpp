#include "view_findings.hpp"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <algorithm>
#include <memory>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

#include "latin1.hpp"
#include "pipeline/directive_insertion.hpp"
#include "line_gutter.hpp"
#include "view.hpp"

namespace {

constexpr int kMarge = 5;  // lines underlined beyond each edge of the screen

QTextCharFormat formatSoulignement(bool erreur) {
  QTextCharFormat f;
  f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  f.setUnderlineColor(CGoutiere::couleur(erreur));
  return f;
}

quillomat::Plage plageDe(const QTextBlock& bloc) { return quillomat::plageSoulignee(versLatin1(bloc.text())); }

}  // namespace

CConstatsVue::CConstatsVue(CQuillomatView& vue, bool avecGoutiere)
    : QObject(&vue), m_vue(vue), m_lignes(vue.document()->blockCount()) {
  setObjectName(QStringLiteral("constatsVue"));
  m_pGoutiere = new CGoutiere(vue, m_constats);
  m_pGoutiere->setAffichee(avecGoutiere);
  connect(vue.document(), &QTextDocument::contentsChange, this, &CConstatsVue::suivreModification);
  connect(vue.verticalScrollBar(), &QScrollBar::valueChanged, this, &CConstatsVue::soulignerLignesVisibles);
  vue.viewport()->installEventFilter(this);
}

CConstatsVue::~CConstatsVue() {
  delete m_pGoutiere;  // it reads m_constats
}

CConstatsVue* CConstatsVue::de(const CQuillomatView& vue) {
  return vue.findChild<CConstatsVue*>(QString(), Qt::FindDirectChildrenOnly);
}

CGoutiere* CConstatsVue::goutiere() const { return m_pGoutiere; }

void CConstatsVue::afficher(quillomat::ConstatsAffiches constats) {
  m_constats = std::move(constats);
  soulignerLignesVisibles();
  m_pGoutiere->update();
  Q_EMIT constatsChanges();
}

void CConstatsVue::effacer() {
  m_revisions.oublier();
  afficher({});
}

void CConstatsVue::setGoutiere(bool affichee) { m_pGoutiere->setAffichee(affichee); }

void CConstatsVue::allerALigne(int ligne) {
  const QTextBlock bloc = m_vue.document()->findBlockByNumber(ligne - 1);
  if (!bloc.isValid()) return;
  QTextCursor curseur(bloc);
  curseur.setPosition(bloc.position() + plageDe(bloc).debut);
  m_vue.setTextCursor(curseur);
  m_vue.ensureCursorVisible();
  m_vue.setFocus();
}

QString CConstatsVue::messagesEn(QPoint point) const {
  const QTextBlock bloc = m_vue.cursorForPosition(point).block();
  const QRect ligne = m_vue.cursorRect(QTextCursor(bloc));
  if (point.y() < ligne.top() || point.y() > ligne.bottom()) return {};  // below the last line
  const quillomat::LigneSignalee* signalee = m_constats.ligne(bloc.blockNumber() + 1);
  return signalee ? depuisLatin1(signalee->messages) : QString();
}

bool CConstatsVue::ignorer(std::string_view code, int ligne, quillomat::Portee portee) {
  const std::string script = versLatin1(m_vue.toPlainText());
  const auto insertion = portee == quillomat::Portee::Ligne ? quillomat::directivePourLigne(script, ligne - 1, code)
                                                            : quillomat::directivePourFichier(script, code);
  if (!insertion) return false;
  const QTextBlock bloc = m_vue.document()->findBlockByNumber(insertion->ligne);
  if (!bloc.isValid()) return false;
  QTextCursor curseur(bloc);
  curseur.setPosition(bloc.position() + static_cast<int>(insertion->colonne));
  curseur.insertText(depuisLatin1(insertion->texte));  // one undo step
  return true;
}

void CConstatsVue::ajouterActionsIgnorer(QMenu& menu, int ligne, std::string_view code) {
  std::vector<std::string_view> codes;
  for (const quillomat::Constat& c : m_constats.constats())
    if (c.ligne == ligne && !c.code.empty() && (code.empty() || c.code == code) &&
        std::find(codes.begin(), codes.end(), c.code) == codes.end())
      codes.push_back(c.code);
  const std::string script = ligne > 0 ? versLatin1(m_vue.document()->findBlockByNumber(ligne - 1).text()) : "";
  for (std::string_view c : codes) {
    const QPointer<CConstatsVue> moi(this);
    const auto action = [&](quillomat::Portee portee) {
      connect(menu.addAction(depuisLatin1(quillomat::titreIgnorer(c, portee))), &QAction::triggered, this,
              [moi, code = std::string(c), ligne, portee] {
                if (moi) moi->ignorer(code, ligne, portee);
              });
    };
    if (ligne > 0 && quillomat::directivePourLigne(script, 0, c)) action(quillomat::Portee::Ligne);
    action(quillomat::Portee::Fichier);
  }
}

bool CConstatsVue::eventFilter(QObject* objet, QEvent* e) {
  if (objet == m_vue.viewport()) {
    if (e->type() == QEvent::ContextMenu) {
      // The usual menu, and below it the actions that silence the findings of the line.
      const auto* demande = static_cast<QContextMenuEvent*>(e);
      const int ligne = m_vue.cursorForPosition(demande->pos()).blockNumber() + 1;
      if (!m_constats.ligne(ligne)) return false;
      const std::unique_ptr<QMenu> menu(m_vue.createStandardContextMenu(demande->pos()));
      menu->addSeparator();
      ajouterActionsIgnorer(*menu, ligne);
      menu->exec(demande->globalPos());
      return true;
    }
    if (e->type() == QEvent::ToolTip) {
      const auto* aide = static_cast<QHelpEvent*>(e);
      const QString messages = messagesEn(aide->pos());
      if (messages.isEmpty()) {
        QToolTip::hideText();
      } else {
        // Shown while the mouse stays on the line.
        const QRect ligne = m_vue.cursorRect(m_vue.cursorForPosition(aide->pos()));
        QToolTip::showText(aide->globalPos(), messages, m_vue.viewport(),
                           QRect(0, ligne.top(), m_vue.viewport()->width(), ligne.height()));
      }
      return true;
    }
    if (e->type() == QEvent::Resize) soulignerLignesVisibles();
  }
  return QObject::eventFilter(objet, e);
}

void CConstatsVue::suivreModification(int position, int otes, int ajoutes) {
  m_revisions.modifier();
  const QTextDocument& texte = *m_vue.document();
  const int lignes = texte.blockCount();
  const QTextBlock debut = texte.findBlock(position);
  QTextBlock fin = texte.findBlock(position + ajoutes);
  if (!fin.isValid()) fin = texte.lastBlock();
  quillomat::Modification m;
  m.ligne = debut.blockNumber() + 1;
  m.lignesAjoutees = fin.blockNumber() + 1 - m.ligne;
  m.lignesOtees = m.lignesAjoutees - (lignes - m_lignes);
  m.insertionEnDebutDeLigne = otes == 0 && position == debut.position();
  m_lignes = lignes;
  if (m.lignesAjoutees != 0 || m.lignesOtees != 0) {
    const size_t avant = m_constats.constats().size();
    m_constats.suivre(m);
    soulignerLignesVisibles();
    if (m_constats.constats().size() == avant) {
      Q_EMIT constatsDeplaces();
    } else {
      Q_EMIT constatsChanges();
    }
  }
  Q_EMIT texteModifie();
}

void CConstatsVue::soulignerLignesVisibles() {
  QList<QTextEdit::ExtraSelection> soulignes;
  if (!m_constats.lignes().empty()) {
    const int premiere = m_vue.cursorForPosition(QPoint(0, 0)).blockNumber() + 1;
    const int derniere = m_vue.cursorForPosition(QPoint(0, m_vue.viewport()->height())).blockNumber() + 1;
    const QTextDocument& texte = *m_vue.document();
    for (const quillomat::LigneSignalee& l : m_constats.entre(premiere - kMarge, derniere + kMarge)) {
      const QTextBlock bloc = texte.findBlockByNumber(l.ligne - 1);
      const quillomat::Plage plage = bloc.isValid() ? plageDe(bloc) : quillomat::Plage{};
      if (plage.longueur == 0) continue;
      QTextCursor curseur(bloc);
      curseur.setPosition(bloc.position() + plage.debut);
      curseur.setPosition(bloc.position() + plage.debut + plage.longueur, QTextCursor::KeepAnchor);
      soulignes.append({curseur, formatSoulignement(l.erreur)});
    }
  }
  if (soulignes.isEmpty() && m_vue.extraSelections().isEmpty()) return;
  m_vue.setExtraSelections(soulignes);
}
