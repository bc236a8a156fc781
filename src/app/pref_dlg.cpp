#include "pref_dlg.hpp"

#include <array>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "icons.hpp"

namespace {

// The list's items in their order, and the script kind each one stands for.
struct TypeScript {
  const char* texte;
  int genre;
};
constexpr std::array<TypeScript, 4> kTypes = {{{"Inconnu", 0}, {"Objet", 2}, {"Quête", 1}, {"Effet magique", 3}}};

QCheckBox* caseACocher(const char* id, const char* texte, QWidget* parent) {
  auto* c = new QCheckBox(QString::fromUtf8(texte), parent);
  c->setObjectName(QString::fromLatin1(id));
  return c;
}

QPushButton* bouton(const char* id, const char* texte, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(texte), parent);
  b->setObjectName(QString::fromLatin1(id));
  b->setAutoDefault(false);
  return b;
}

// A box is ticked exactly when its field holds 1.
void cocher(QCheckBox* c, int32_t champ) { c->setChecked(champ == 1); }
int32_t champ(const QCheckBox* c) { return c->isChecked() ? 1 : 0; }

}  // namespace

CPrefDlg::CPrefDlg(std::filesystem::path dossier, SurEnregistrement surEnregistrement, QWidget* proprietaire)
    : QDialog(proprietaire), m_dossier(std::move(dossier)), m_surEnregistrement(std::move(surEnregistrement)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Préférences"));
  setModal(false);

  auto* icone = new QLabel(this);
  icone->setPixmap(iconeProgramme().pixmap(32, 32));
  auto* titre = new QLabel(QStringLiteral("Préférences"), this);
  QFont police = titre->font();
  police.setBold(true);
  titre->setFont(police);
  auto* entete = new QHBoxLayout;
  entete->addWidget(icone);
  entete->addWidget(titre, 1);

  auto* rapport = new QGroupBox(QStringLiteral("Rapport d'erreur"), this);
  m_pRapport = caseACocher("1009", " Afficher le rapport d'erreur après traitement", rapport);
  m_pInformations = caseACocher("1010", " Afficher les informations sur le script", rapport);
  m_pSansAlertes = caseACocher("1011", " Ne pas afficher les alertes", rapport);
  auto* lignesRapport = new QVBoxLayout(rapport);
  lignesRapport->addWidget(m_pRapport);
  lignesRapport->addWidget(m_pInformations);
  lignesRapport->addWidget(m_pSansAlertes);

  auto* traitement = new QGroupBox(QStringLiteral("Traitement"), this);
  auto* etiquette = new QLabel(QStringLiteral("Type de script :"), traitement);
  m_pType = new QComboBox(traitement);
  m_pType->setObjectName(QStringLiteral("1006"));
  etiquette->setBuddy(m_pType);
  m_pExtension = caseACocher("1008", " Dépendant d'Vaelmoor Script Extender v8 ou inférieur", traitement);
  m_pEspacement = caseACocher("1016", " Corriger automatiquement les erreurs d'espacement", traitement);
  auto* ligneType = new QHBoxLayout;
  ligneType->addWidget(etiquette);
  ligneType->addWidget(m_pType, 1);
  auto* lignesTraitement = new QVBoxLayout(traitement);
  lignesTraitement->addLayout(ligneType);
  lignesTraitement->addWidget(m_pExtension);
  lignesTraitement->addWidget(m_pEspacement);

  auto* groupeInterface = new QGroupBox(QStringLiteral("Interface"), this);
  m_pSansAide = caseACocher("1014", " Désactiver l'aide de mise en forme automatique", groupeInterface);
  m_pSansCouleurs = caseACocher("1015", " Désactiver la coloration syntaxique", groupeInterface);
  auto* lignesInterface = new QVBoxLayout(groupeInterface);
  lignesInterface->addWidget(m_pSansAide);
  lignesInterface->addWidget(m_pSansCouleurs);

  auto* ok = bouton("1", "OK", this);
  ok->setDefault(true);
  auto* appliquer = bouton("1012", "Appliquer", this);
  auto* annuler = bouton("2", "Annuler", this);
  connect(ok, &QPushButton::clicked, this, &CPrefDlg::OnOK);
  connect(appliquer, &QPushButton::clicked, this, [this] { OnApply(); });
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);  // closes, writes nothing
  auto* boutons = new QHBoxLayout;
  boutons->addStretch(1);
  boutons->addWidget(ok);
  boutons->addWidget(appliquer);
  boutons->addWidget(annuler);

  auto* disposition = new QVBoxLayout(this);
  disposition->addLayout(entete);
  disposition->addWidget(rapport);
  disposition->addWidget(traitement);
  disposition->addWidget(groupeInterface);
  disposition->addLayout(boutons);

  afficher(quillomat::lireReglages(m_dossier));
}

void CPrefDlg::afficher(const quillomat::SettingsRecord& r) {
  cocher(m_pRapport, r.showReport);
  cocher(m_pInformations, r.showInfo);
  cocher(m_pSansAlertes, r.hideAlerts);
  cocher(m_pSansAide, r.noFormatHelp);
  cocher(m_pSansCouleurs, r.noColouring);
  cocher(m_pExtension, r.vlseDependent);
  cocher(m_pEspacement, r.autoSpacing);
  m_pType->clear();
  int choisi = -1;
  for (int k = 0; k < static_cast<int>(kTypes.size()); ++k) {
    m_pType->addItem(QString::fromUtf8(kTypes[k].texte), kTypes[k].genre);
    if (kTypes[k].genre == r.scriptKind) choisi = k;
  }
  m_pType->setCurrentIndex(choisi);  // any other kind leaves no item selected
}

quillomat::SettingsRecord CPrefDlg::reglages() const {
  quillomat::SettingsRecord r;
  r.showReport = champ(m_pRapport);
  r.showInfo = champ(m_pInformations);
  r.hideAlerts = champ(m_pSansAlertes);
  r.scriptKind = m_pType->currentIndex() < 0 ? -1 : m_pType->currentData().toInt();
  r.vlseDependent = champ(m_pExtension);
  r.noFormatHelp = champ(m_pSansAide);
  r.noColouring = champ(m_pSansCouleurs);
  r.autoSpacing = champ(m_pEspacement);
  return r;
}

bool CPrefDlg::OnApply() {
  const quillomat::SettingsRecord r = reglages();
  // The application's flags follow the record before the file is written.
  if (m_surEnregistrement) m_surEnregistrement(r);
  return quillomat::ecrireReglages(m_dossier, r);
}

void CPrefDlg::OnOK() {
  OnApply();
  done(QDialog::Accepted);
}
