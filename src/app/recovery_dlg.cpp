#include "recovery_dlg.hpp"

#include <algorithm>

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using quillomat::ChoixCopie;

namespace {

constexpr int kIndex = Qt::UserRole;
constexpr int kAFichier = Qt::UserRole + 1;

}  // namespace

CRecuperationDlg::CRecuperationDlg(const QList<Ligne>& lignes, QWidget* proprietaire)
    : QDialog(proprietaire), m_pListe(new QTreeWidget(this)) {
  setWindowTitle(QStringLiteral("Récupération de documents"));
  auto* explication = new QLabel(
      QStringLiteral("Quillomat s'est arrêté sans que ces documents soient enregistrés. Leurs copies de "
                     "récupération peuvent être restaurées, ouvertes à côté du fichier enregistré pour comparer, "
                     "ou supprimées.\nLes copies que vous ne traitez pas maintenant vous seront proposées au "
                     "prochain démarrage."),
      this);
  explication->setWordWrap(true);

  m_pListe->setHeaderLabels(
      {QStringLiteral("Document"), QStringLiteral("Fichier"), QStringLiteral("Copie du"), QStringLiteral("Première ligne")});
  m_pListe->setRootIsDecorated(false);
  m_pListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (int i = 0; i < lignes.size(); ++i) {
    const Ligne& l = lignes[i];
    auto* item = new QTreeWidgetItem(m_pListe);
    item->setText(0, l.nom);
    item->setText(1, l.chemin.isEmpty() ? QStringLiteral("(jamais enregistré)") : QDir::toNativeSeparators(l.chemin));
    item->setText(2, l.date.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
    item->setText(3, l.premiereLigne.isEmpty() ? QStringLiteral("(vide)") : l.premiereLigne);
    item->setData(0, kIndex, i);
    item->setData(0, kAFichier, !l.chemin.isEmpty());
    item->setSelected(true);  // one click restores them all
  }
  m_pListe->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_pListe->setCurrentItem(m_pListe->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);

  auto* boutons = new QDialogButtonBox(this);
  m_pRestaurer = boutons->addButton(QStringLiteral("&Restaurer"), QDialogButtonBox::ActionRole);
  m_pACote = boutons->addButton(QStringLiteral("&Ouvrir à côté du fichier"), QDialogButtonBox::ActionRole);
  m_pSupprimer = boutons->addButton(QStringLiteral("&Supprimer la copie"), QDialogButtonBox::ActionRole);
  QPushButton* plusTard = boutons->addButton(QStringLiteral("&Plus tard"), QDialogButtonBox::RejectRole);
  m_pRestaurer->setDefault(true);
  plusTard->setAutoDefault(false);
  connect(m_pRestaurer, &QPushButton::clicked, this, [this] { choisir(ChoixCopie::Restaurer); });
  connect(m_pACote, &QPushButton::clicked, this, [this] { choisir(ChoixCopie::OuvrirACote); });
  connect(m_pSupprimer, &QPushButton::clicked, this, [this] { choisir(ChoixCopie::Ecarter); });
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_pListe, &QTreeWidget::itemSelectionChanged, this, &CRecuperationDlg::majBoutons);

  auto* disposition = new QVBoxLayout(this);
  disposition->addWidget(explication);
  disposition->addWidget(m_pListe, 1);
  disposition->addWidget(boutons);
  resize(820, 320);
  m_pListe->setFocus();
  majBoutons();
}

QPushButton* CRecuperationDlg::bouton(ChoixCopie choix) const {
  switch (choix) {
    case ChoixCopie::Restaurer: return m_pRestaurer;
    case ChoixCopie::OuvrirACote: return m_pACote;
    case ChoixCopie::Ecarter: return m_pSupprimer;
  }
  return nullptr;
}

void CRecuperationDlg::choisir(ChoixCopie choix) {
  QList<QTreeWidgetItem*> choisis;  // in the list's order
  for (int i = 0; i < m_pListe->topLevelItemCount(); ++i) {
    if (m_pListe->topLevelItem(i)->isSelected()) choisis.append(m_pListe->topLevelItem(i));
  }
  for (QTreeWidgetItem* item : choisis) {
    Q_EMIT choisi(item->data(0, kIndex).toInt(), choix);
    delete item;
  }
  if (m_pListe->topLevelItemCount() == 0) {
    accept();
    return;
  }
  for (int i = 0; i < m_pListe->topLevelItemCount(); ++i) m_pListe->topLevelItem(i)->setSelected(true);
  m_pListe->setFocus();
}

void CRecuperationDlg::majBoutons() {
  const QList<QTreeWidgetItem*> choisis = m_pListe->selectedItems();
  m_pRestaurer->setEnabled(!choisis.isEmpty());
  m_pSupprimer->setEnabled(!choisis.isEmpty());
  m_pACote->setEnabled(std::any_of(choisis.begin(), choisis.end(),
                                   [](const QTreeWidgetItem* i) { return i->data(0, kAFichier).toBool(); }));
}
