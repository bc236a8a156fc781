// The message boxes and standard dialogs the windows show, behind an interface
// so that the widget tests can record them instead of blocking on them.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

enum class Icone { Aucune, Information, Avertissement };
enum class Reponse { Oui, Non, Annuler };

struct Message {
  Icone icone = Icone::Aucune;
  QWidget* proprietaire = nullptr;  // none: a box without owner
  QString titre;
  QString texte;
};

class MessageService {
 public:
  virtual ~MessageService() = default;

  virtual void afficher(const Message& message) = 0;
  // A Oui / Non / Annuler question.
  virtual Reponse question(QWidget* proprietaire, const QString& titre, const QString& texte) = 0;
  // A Oui / Non question: any answer but Oui means Non.
  virtual Reponse questionOuiNon(QWidget* proprietaire, const QString& titre, const QString& texte) {
    return question(proprietaire, titre, texte);
  }
  // Runs a modal dialog; returns its result code.
  virtual int executer(QDialog& dialogue) = 0;
  // The file chooser of "Ouvrir..." (empty: cancelled) and of "Enregistrer sous...".
  virtual QStringList fichiersAOuvrir(QWidget* proprietaire) = 0;
  virtual QString fichierAEnregistrer(QWidget* proprietaire, const QString& propose) = 0;

  void information(QWidget* proprietaire, const QString& titre, const QString& texte) {
    afficher({Icone::Information, proprietaire, titre, texte});
  }
  void simple(QWidget* proprietaire, const QString& titre, const QString& texte) {
    afficher({Icone::Aucune, proprietaire, titre, texte});
  }
  void erreur(QWidget* proprietaire, const QString& titre, const QString& texte) {
    afficher({Icone::Avertissement, proprietaire, titre, texte});
  }
};

// The real boxes and file dialogs.
class BoitesDeMessage : public MessageService {
 public:
  void afficher(const Message& message) override;
  Reponse question(QWidget* proprietaire, const QString& titre, const QString& texte) override;
  Reponse questionOuiNon(QWidget* proprietaire, const QString& titre, const QString& texte) override;
  int executer(QDialog& dialogue) override;
  QStringList fichiersAOuvrir(QWidget* proprietaire) override;
  QString fichierAEnregistrer(QWidget* proprietaire, const QString& propose) override;
};
