#include "about_dlg.hpp"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "icons.hpp"

CAboutDlg::CAboutDlg(QWidget* proprietaire) : QDialog(proprietaire) {
  setWindowTitle(QStringLiteral("À propos de Quillomat"));
  auto* icone = new QLabel;
  icone->setPixmap(iconeProgramme().pixmap(32, 32));
  auto* cadre = new QGroupBox(QStringLiteral("Quillomat"));
  auto* lignes = new QVBoxLayout(cadre);
  for (const QString& texte : {QStringLiteral("Auteur : l'équipe Lunebrac"), QStringLiteral("Version : 3.02"),
                               QStringLiteral("Date de sortie : 2024")}) {
    lignes->addWidget(new QLabel(texte));
  }
  auto* conditions = new QLabel(QStringLiteral(
      "Ce programme est distribué gratuitement, tel quel, sans aucune garantie. Vous pouvez le copier et le "
      "donner librement à condition de ne rien demander en échange.\n\n"
      "Les scripts que vous vérifiez restent les vôtres : le quillomat ne les envoie nulle part et n'écrit que "
      "dans le répertoire courant."));
  conditions->setWordWrap(true);
  auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* disposition = new QVBoxLayout(this);
  disposition->addWidget(icone);
  disposition->addWidget(cadre);
  disposition->addWidget(conditions);
  disposition->addWidget(boutons);
  // 216 dialog units wide (a unit is a quarter of an average character), and
  // as tall as the wrapped terms need, so that no line is cut.
  const int largeur = 216 * fontMetrics().averageCharWidth() / 4;
  setFixedSize(largeur, heightForWidth(largeur));
}
