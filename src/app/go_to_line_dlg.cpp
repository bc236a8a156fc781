#include "go_to_line_dlg.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/core/small_commands.hpp"
#include "document.hpp"
#include "latin1.hpp"
#include "view.hpp"

CGoToLineDlg::CGoToLineDlg(CQuillomatView* cible, QWidget* proprietaire)
    : QDialog(proprietaire, Qt::Tool | Qt::CustomizeWindowHint), m_pCible(cible),
      m_pChamp(new QLineEdit(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  m_pChamp->setObjectName(QStringLiteral("1013"));
  m_pChamp->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_pChamp));
  m_pChamp->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CGoToLineDlg::OnOK);
  auto* disposition = new QHBoxLayout(this);
  disposition->setContentsMargins(4, 4, 4, 4);
  auto* etiquette = new QLabel(QStringLiteral("Ligne :"), this);
  etiquette->setBuddy(m_pChamp);
  disposition->addWidget(etiquette);
  disposition->addWidget(m_pChamp);
  disposition->addWidget(ok);
}

void CGoToLineDlg::OnOK() {
  if (m_pCible) {
    const std::string texte = versLatin1(m_pCible->GetDocument().contenu());
    if (const auto position = quillomat::positionAllerALigne(texte, versLatin1(m_pChamp->text()))) {
      m_pCible->setSelection(*position, *position);
      m_pCible->ensureCursorVisible();
    }
  }
  fermer();
}

void CGoToLineDlg::reject() { fermer(); }

void CGoToLineDlg::fermer() {
  Q_EMIT fermee();
  hide();
  close();  // deleted once its window is gone
}
