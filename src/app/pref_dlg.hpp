// CPrefDlg: the modeless "Préférences" box, the only editor of the settings
// file. A save writes the whole record and hands it to the application, which
// brings its three editor flags in line (recolouring when needed).
#pragma once

#include <filesystem>
#include <functional>

#include <QDialog>

#include "pipeline/records.hpp"

class QCheckBox;
class QComboBox;

class CPrefDlg : public QDialog {
  Q_OBJECT

 public:
  using SurEnregistrement = std::function<void(const quillomat::SettingsRecord&)>;

  // Reads the settings of `dossier` (the defaults when the file is missing or
  // short) into the controls. The box deletes itself once closed.
  CPrefDlg(std::filesystem::path dossier, SurEnregistrement surEnregistrement, QWidget* proprietaire = nullptr);

  // The record the controls show.
  quillomat::SettingsRecord reglages() const;

  // "Appliquer": hands the record to the application, then writes it; false
  // when the file could not be written (nothing is said to the user).
  bool OnApply();
  void OnOK();  // saves, then closes; "Annuler", Escape and the close box write nothing

 private:
  void afficher(const quillomat::SettingsRecord& r);

  std::filesystem::path m_dossier;
  SurEnregistrement m_surEnregistrement;
  QCheckBox* m_pRapport;       // 1009
  QCheckBox* m_pInformations;  // 1010
  QCheckBox* m_pSansAlertes;   // 1011
  QComboBox* m_pType;          // 1006
  QCheckBox* m_pExtension;     // 1008
  QCheckBox* m_pEspacement;    // 1016
  QCheckBox* m_pSansAide;      // 1014
  QCheckBox* m_pSansCouleurs;  // 1015
};
