// The real editor as a process of its own on the X display of the tests,
// driven with xdotool as a user drives it: the Linux program, or the Windows
// one under Wine. Every wait has its limit; SIGKILL ends it, as a crash does.
#pragma once

#include <QFile>
#include <QProcess>

#include "x11.hpp"

namespace x11 {

inline QByteArray lire(const QString& chemin) {
  QFile f(chemin);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

class Editeur {
 public:
  // `commande`: the program then its first arguments (wine, the .exe), before
  // `fichiers`; `parProcessus`: its windows are found by its process id.
  Editeur(const QStringList& commande, const QString& dossier, const QProcessEnvironment& env,
          const QStringList& fichiers = {}, bool parProcessus = true)
      : m_parProcessus(parProcessus) {
    m_processus.setProcessEnvironment(env);
    m_processus.setWorkingDirectory(dossier);
    m_processus.start(commande.front(), commande.mid(1) + fichiers);
    m_processus.waitForStarted();
  }
  ~Editeur() { tuer(); }
  Editeur(const Editeur&) = delete;
  Editeur& operator=(const Editeur&) = delete;

  // A visible window of this editor whose name matches, made the active one;
  // empty when none shows. Under Wine, by name only: the program's windows
  // need not carry the process started here.
  QString activer(const QString& nom, int ms = 10000) {
    QString id;
    QStringList recherche = {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible")};
    if (m_parProcessus) recherche << QStringLiteral("--pid") << QString::number(m_processus.processId());
    recherche << QStringLiteral("--name") << nom;  // the pattern comes last
    x11::attendre([&] { return !(id = x11::xdotool(recherche).section(u'\n', 0, 0)).isEmpty(); }, ms);
    if (!id.isEmpty()) x11::xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), id});
    return id;
  }
  // Goes through the document windows (F6) until `nom` is the active one.
  bool montrer(const QString& nom) {
    const QStringList active = {QStringLiteral("getactivewindow"), QStringLiteral("getwindowname")};
    for (int i = 0; i < 6; ++i) {
      if (x11::attendre([&] { return x11::xdotool(active) == QStringLiteral("Quillomat - ") + nom; }, 600)) return true;
      x11::touches(QStringLiteral("F6"));
    }
    return false;
  }
  void tuer() {
    m_processus.kill();  // SIGKILL: nothing of the program runs any more
    m_processus.waitForFinished(5000);
  }
  // Closed as a user closes it; ended by itself, without a crash.
  bool quitter(int ms = 10000) {
    if (activer(QStringLiteral("^Quillomat - ")).isEmpty()) return false;
    x11::touches(QStringLiteral("alt+F4"));
    m_processus.waitForFinished(ms);
    return m_processus.state() == QProcess::NotRunning && m_processus.exitStatus() == QProcess::NormalExit &&
           m_processus.exitCode() == 0;
  }
  QString sorties() { return QString::fromUtf8(m_processus.readAllStandardOutput() + m_processus.readAllStandardError()); }

 private:
  bool m_parProcessus;
  QProcess m_processus;
};

// A keyboard with é, è, à, ç and ù on keys of their own: xdotool then types
// them without rebinding a spare key, which a loaded machine can read after
// the key is rebound again (a character lost or changed).
struct ClavierFrancais {
  ClavierFrancais() { x11::executer(QStringLiteral("setxkbmap"), {QStringLiteral("fr")}); }
  ~ClavierFrancais() { x11::executer(QStringLiteral("setxkbmap"), {QStringLiteral("us")}); }
};

}  // namespace x11
