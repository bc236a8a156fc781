#include "message_service.hpp"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kFiltre = QStringLiteral("Fichiers texte (*.txt);;Tous les fichiers (*)");

QMessageBox::Icon icone(Icone i) {
  switch (i) {
    case Icone::Information: return QMessageBox::Information;
    case Icone::Avertissement: return QMessageBox::Warning;
    case Icone::Aucune: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void BoitesDeMessage::afficher(const Message& message) {
  QMessageBox boite(icone(message.icone), message.titre, message.texte, QMessageBox::Ok, message.proprietaire);
  boite.exec();
}

Reponse BoitesDeMessage::question(QWidget* proprietaire, const QString& titre, const QString& texte) {
  QMessageBox boite(QMessageBox::Warning, titre, texte, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    proprietaire);
  boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
  boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
  boite.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
  switch (boite.exec()) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    default: return Reponse::Annuler;
  }
}

Reponse BoitesDeMessage::questionOuiNon(QWidget* proprietaire, const QString& titre, const QString& texte) {
  QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No, proprietaire);
  boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
  boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
  boite.setDefaultButton(QMessageBox::No);
  return boite.exec() == QMessageBox::Yes ? Reponse::Oui : Reponse::Non;
}

int BoitesDeMessage::executer(QDialog& dialogue) { return dialogue.exec(); }

QStringList BoitesDeMessage::fichiersAOuvrir(QWidget* proprietaire) {
  return QFileDialog::getOpenFileNames(proprietaire, QStringLiteral("Ouvrir"), QString(), kFiltre);
}

QString BoitesDeMessage::fichierAEnregistrer(QWidget* proprietaire, const QString& propose) {
  QFileDialog dialogue(proprietaire, QStringLiteral("Enregistrer sous"), propose, kFiltre);
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  dialogue.setDefaultSuffix(QStringLiteral("txt"));
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return {};
  return dialogue.selectedFiles().first();
}
