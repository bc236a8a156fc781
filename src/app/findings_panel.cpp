#include "findings_panel.hpp"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTreeView>

#include "latin1.hpp"
#include "line_gutter.hpp"
#include "view_findings.hpp"

// The rows of the panel, read from the findings a view shows.
class ModeleListeConstats : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // False when there are as many rows as before: the list then only needs a
  // repaint (a signal over thousands of rows costs more) and keeps its
  // selection.
  bool montrer(const quillomat::ConstatsAffiches* constats) {
    if (constats && constats == m_pConstats && static_cast<int>(constats->constats().size()) == m_rangees) return false;
    beginResetModel();
    m_pConstats = constats;
    m_rangees = constats ? static_cast<int>(constats->constats().size()) : 0;
    endResetModel();
    return true;
  }
  const quillomat::Constat* constat(int rang) const {
    if (!m_pConstats || rang < 0 || rang >= static_cast<int>(m_pConstats->constats().size())) return nullptr;
    return &m_pConstats->constats()[static_cast<size_t>(rang)];
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_rangees; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitres[] = {"Ligne", "Nature", "Constat"};
    return QString::fromUtf8(kTitres[section]);
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const quillomat::Constat* c = constat(index.row());
    if (!c) return {};
    switch (role) {
      case Qt::DisplayRole:
        switch (index.column()) {
          case 0: return c->ligne > 0 ? QString::number(c->ligne) : QStringLiteral("script");
          case 1: return c->alerte ? QStringLiteral("alerte") : QStringLiteral("erreur");
          default: return depuisLatin1(c->texte);
        }
      case Qt::ForegroundRole:
        return index.column() == 1 ? QVariant(CGoutiere::couleur(!c->alerte)) : QVariant();
      case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
      case Qt::ToolTipRole:
        return index.column() == 2 ? depuisLatin1(c->texte) : QVariant();
      default: return {};
    }
  }

 private:
  const quillomat::ConstatsAffiches* m_pConstats = nullptr;
  int m_rangees = 0;
};

CPanneauConstats::CPanneauConstats(QWidget* parent)
    : QDockWidget(QStringLiteral("Constats"), parent), m_pListe(new QTreeView(this)),
      m_pModele(new ModeleListeConstats(this)) {
  setObjectName(QStringLiteral("constats"));
  setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
  m_pListe->setModel(m_pModele);
  m_pListe->setRootIsDecorated(false);
  m_pListe->setUniformRowHeights(true);  // thousands of rows stay cheap
  m_pListe->setAlternatingRowColors(true);
  m_pListe->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_pListe->header()->setStretchLastSection(true);
  m_pListe->setColumnWidth(0, 60);
  m_pListe->setColumnWidth(1, 70);
  setWidget(m_pListe);
  connect(m_pListe, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (const int ligne = ligneDe(index.row()); ligne > 0) Q_EMIT ligneChoisie(ligne);
  });
  connect(m_pListe, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
    if (const int ligne = ligneDe(index.row()); ligne > 0) Q_EMIT ligneChoisie(ligne);
  });
  // A row's menu silences its finding, on its line or in the whole script.
  m_pListe->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_pListe, &QWidget::customContextMenuRequested, this, [this](QPoint point) {
    const quillomat::Constat* c = m_pModele->constat(m_pListe->indexAt(point).row());
    if (!c || !m_pSuivi || c->code.empty()) return;
    QMenu menu;
    m_pSuivi->ajouterActionsIgnorer(menu, c->ligne, c->code);
    if (!menu.isEmpty()) menu.exec(m_pListe->viewport()->mapToGlobal(point));
  });
}

void CPanneauConstats::montrer(CConstatsVue* suivi) {
  if (m_pSuivi) disconnect(m_pSuivi, nullptr, this, nullptr);
  m_pSuivi = suivi;
  m_pModele->montrer(suivi ? &suivi->constats() : nullptr);
  if (!suivi) return;
  connect(suivi, &CConstatsVue::constatsChanges, this, [this] {
    // A new check of the same script: the list stays where the user left it.
    const int defilement = m_pListe->verticalScrollBar()->value();
    if (m_pModele->montrer(&m_pSuivi->constats())) {
      m_pListe->verticalScrollBar()->setValue(defilement);
    } else {
      m_pListe->viewport()->update();
    }
  });
  // Lines moved by an edit: only the line column is repainted (the whole
  // list would cost more than the edit itself).
  connect(suivi, &CConstatsVue::constatsDeplaces, this, [this] {
    const QHeaderView& entete = *m_pListe->header();
    m_pListe->viewport()->update(entete.sectionViewportPosition(0), 0, entete.sectionSize(0),
                                 m_pListe->viewport()->height());
  });
  connect(suivi, &QObject::destroyed, this, [this] { m_pModele->montrer(nullptr); });
}

int CPanneauConstats::ligneDe(int rang) const {
  const quillomat::Constat* c = m_pModele->constat(rang);
  return c ? c->ligne : 0;
}

void CPanneauConstats::closeEvent(QCloseEvent* e) {
  QDockWidget::closeEvent(e);
  Q_EMIT ferme();
}
