#include "find_dlg.hpp"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "message_service.hpp"
#include "view.hpp"
#include "workspace.hpp"

CFindDlg::CFindDlg(EspaceTravail& espace, QWidget* proprietaire)
    : QDialog(proprietaire), m_espace(espace), m_pRecherche(new QLineEdit), m_pRemplacement(new QLineEdit),
      m_pCasse(new QCheckBox(QStringLiteral("Respecter la &casse"))) {
  auto* champs = new QFormLayout;
  champs->addRow(QStringLiteral("&Rechercher :"), m_pRecherche);
  champs->addRow(QStringLiteral("Remplacer &par :"), m_pRemplacement);
  auto* boutons = new QDialogButtonBox;
  QPushButton* suivant = boutons->addButton(QStringLiteral("&Suivant"), QDialogButtonBox::ActionRole);
  m_pRemplacer = boutons->addButton(QStringLiteral("R&emplacer"), QDialogButtonBox::ActionRole);
  m_pRemplacerTout = boutons->addButton(QStringLiteral("Remplacer &tout"), QDialogButtonBox::ActionRole);
  boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
  suivant->setDefault(true);
  connect(suivant, &QPushButton::clicked, this, [this] { trouver(true); });
  connect(m_pRemplacer, &QPushButton::clicked, this, &CFindDlg::remplacer);
  connect(m_pRemplacerTout, &QPushButton::clicked, this, &CFindDlg::remplacerTout);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  auto* disposition = new QVBoxLayout(this);
  disposition->addLayout(champs);
  disposition->addWidget(m_pCasse);
  disposition->addWidget(boutons);
}

void CFindDlg::montrer(bool remplacer) {
  setWindowTitle(remplacer ? QStringLiteral("Remplacer") : QStringLiteral("Rechercher"));
  m_pRemplacement->setVisible(remplacer);
  static_cast<QFormLayout*>(layout()->itemAt(0)->layout())->setRowVisible(1, remplacer);
  m_pRemplacer->setVisible(remplacer);
  m_pRemplacerTout->setVisible(remplacer);
  if (CQuillomatView* vue = m_espace.vueActive(); vue && vue->textCursor().hasSelection()) {
    m_pRecherche->setText(vue->textCursor().selectedText());
  }
  show();
  raise();
  activateWindow();
  m_pRecherche->setFocus();
  m_pRecherche->selectAll();
}

bool CFindDlg::suivant() {
  if (m_pRecherche->text().isEmpty()) return false;
  trouver(true);
  return true;
}

bool CFindDlg::trouver(bool signalerEchec) {
  CQuillomatView* vue = m_espace.vueActive();
  const QString cherche = m_pRecherche->text();
  if (!vue || cherche.isEmpty()) return false;
  const QTextDocument::FindFlags options =
      m_pCasse->isChecked() ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
  if (vue->find(cherche, options)) return true;
  // Once the end is reached, the search goes on from the start.
  const QTextCursor avant = vue->textCursor();
  vue->moveCursor(QTextCursor::Start);
  if (vue->find(cherche, options)) return true;
  vue->setTextCursor(avant);
  if (signalerEchec) {
    m_espace.messages().information(this, QStringLiteral("Quillomat"),
                                 QStringLiteral("Impossible de trouver « %1 ».").arg(cherche));
  }
  return false;
}

void CFindDlg::remplacer() {
  CQuillomatView* vue = m_espace.vueActive();
  if (!vue) return;
  const Qt::CaseSensitivity casse = m_pCasse->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
  if (vue->textCursor().hasSelection() &&
      vue->textCursor().selectedText().compare(m_pRecherche->text(), casse) == 0) {
    vue->textCursor().insertText(m_pRemplacement->text());
  }
  trouver(true);
}

int CFindDlg::remplacerTout() {
  CQuillomatView* vue = m_espace.vueActive();
  if (!vue || m_pRecherche->text().isEmpty()) return 0;
  const QTextDocument::FindFlags options =
      m_pCasse->isChecked() ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
  QTextCursor lot(vue->document());
  lot.beginEditBlock();  // one undo step for the whole replacement
  int nombre = 0;
  QTextCursor c = vue->document()->find(m_pRecherche->text(), 0, options);
  while (!c.isNull()) {
    c.insertText(m_pRemplacement->text());
    ++nombre;
    c = vue->document()->find(m_pRecherche->text(), c, options);
  }
  lot.endEditBlock();
  m_espace.messages().information(this, QStringLiteral("Quillomat"),
                               QStringLiteral("%1 remplacement(s) effectué(s).").arg(nombre));
  return nombre;
}
