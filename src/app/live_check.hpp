// CVerificationContinue: the check while typing. A pause in the typing, or
// a script window becoming active, checks the active script in memory, on a
// worker thread, with the checker and the settings of "Débuguer" (read anew
// from "DebugKVR4.dat", as Débuguer reads them); nothing is written to disk
// and the spacing correction is never applied. The findings go to the view
// (CConstatsVue), to the "Constats" panel and to a count in the status bar.
// A check of a text that has changed since it started is dropped. Report
// windows are never checked. The three switches (the check itself, the line
// numbers, the panel) are kept in the user's profile settings.
#pragma once

#include <cstdint>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;
class CConstatsVue;
class CMainFrame;
class CPanneauConstats;
class EspaceTravail;
class CQuillomatView;

namespace quillomat {
struct Constat;
}

class CVerificationContinue : public QObject {
  Q_OBJECT

 public:
  // Commands of the "Débuguage" and "Affichage" menus.
  static constexpr int kCommandeVerifier = 32820;
  static constexpr int kCommandeNumeros = 32821;
  static constexpr int kCommandeConstats = 32822;
  static constexpr int kPauseMs = 300;

  // Belongs to the workspace's main frame, which must exist.
  explicit CVerificationContinue(EspaceTravail& espace);

  static CVerificationContinue* de(const CMainFrame& cadre);

  CPanneauConstats& panneau() const { return *m_pPanneau; }
  QLabel& comptes() const { return *m_pComptes; }
  bool active() const { return m_bActive; }
  // Checks the active script now, if its findings are not those of its text.
  void verifierMaintenant();

 Q_SIGNALS:
  // The findings of a check are on screen (tests wait for it).
  void constatsAffiches();

 private:
  void fenetresChangees();
  CConstatsVue* suivre(CQuillomatView& vue);
  CConstatsVue* suiviActif() const;
  QList<CConstatsVue*> suivis() const;
  void lancer(CConstatsVue& suivi);
  void recevoir(const QPointer<CConstatsVue>& suivi, uint64_t revision, std::vector<quillomat::Constat> constats);
  void majComptes();
  void setActive(bool active);
  void setNumeros(bool affiches);

  EspaceTravail& m_espace;
  CMainFrame& m_cadre;
  CPanneauConstats* m_pPanneau;
  QLabel* m_pComptes;
  QTimer m_pause;       // the pause in the typing
  QTimer m_activation;  // windows opened or activated: handled once the command that did it is over
  QPointer<CConstatsVue> m_pDernierScript;  // the script shown while a report window is active
  bool m_bActive = true;
  bool m_bNumeros = true;
};
