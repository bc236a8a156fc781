// Message boxes and a system opener that record what the editor asks of
// them, for the tests of the whole editor and of its features alone.
#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

#include <QDialog>
#include <QRect>
#include <QStringList>
#include <QUrl>

#include "app/message_service.hpp"
#include "app/system_opener.hpp"

// Failures show texts as text.
inline std::ostream& operator<<(std::ostream& flux, const QString& texte) { return flux << texte.toStdString(); }
inline std::ostream& operator<<(std::ostream& flux, const QRect& r) {
  return flux << r.width() << 'x' << r.height() << '+' << r.x() << '+' << r.y();
}

// Boxes answered from `reponses` (then Annuler), dialogs rejected once `surDialogue` has seen them.
struct MessagesEnregistres : MessageService {
  void afficher(const Message& message) override { messages.push_back(message); }
  Reponse question(QWidget*, const QString&, const QString& texte) override {
    questions.append(texte);
    if (pendantQuestion) pendantQuestion();  // a real box runs events while it is open
    if (reponses.empty()) return Reponse::Annuler;
    const Reponse r = reponses.front();
    reponses.pop_front();
    return r;
  }
  int executer(QDialog& dialogue) override {
    dialogues.append(dialogue.windowTitle());
    if (surDialogue) surDialogue(dialogue);
    return QDialog::Rejected;
  }
  QStringList fichiersAOuvrir(QWidget*) override { return {}; }
  QString fichierAEnregistrer(QWidget*, const QString&) override { return aEnregistrer; }

  std::vector<Message> messages;
  QStringList questions, dialogues;
  std::deque<Reponse> reponses;
  std::function<void()> pendantQuestion;
  std::function<void(QDialog&)> surDialogue;
  QString aEnregistrer;
};

struct OuvreurEnregistre : SystemOpener {
  bool ouvrir(const QUrl& adresse) override {
    ouverts.append(adresse);
    return reussite;
  }
  QList<QUrl> ouverts;
  bool reussite = true;
};

