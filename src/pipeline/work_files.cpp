#include "pipeline/work_files.hpp"

#include "pipeline/fatal_stop.hpp"
#include "pipeline/text_mode.hpp"

namespace quillomat {

std::string_view nomFichier(WorkFile f) {
  switch (f) {
    case WorkFile::Findings: return "DbTempKVR4";
    case WorkFile::Identifiers: return "InfTempKVR4";
    case WorkFile::Marks: return "InfTempKVR4.2";
    case WorkFile::Attachments: return "InfTempKVR4.3";
  }
  return {};
}

std::string messageFichierImpossible(std::string_view fichier, std::string_view unite) {
  std::string m = "Impossible d'ouvrir le fichier \"";
  m += fichier;
  m += "\" depuis le fichier source \"";
  m += unite;
  m += "\".\n\n";
  return m;
}

const std::vector<size_t>& IdentifierFile::avecNom(const std::string& nomMinuscule) const {
  static const std::vector<size_t> aucun;
  auto it = parNom_.find(nomMinuscule);
  return it == parNom_.end() ? aucun : it->second;
}

void IdentifierFile::ajouter(IdentifierRecord r) {
  std::string cle;
  for (char c : r.name) cle += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  parNom_[cle].push_back(records_.size());
  records_.push_back(std::move(r));
}

void IdentifierFile::reecrire(size_t index, int32_t kind, std::string name) {
  records_[index].kind = kind;
  records_[index].name = std::move(name);  // same name up to letter case: the index stays right
}

WorkFiles::WorkFiles(std::filesystem::path dir) : dir_(std::move(dir)), surDisque_(true) {}

void WorkFiles::supprimerTous() const {
  if (!surDisque_) return;
  for (WorkFile f : {WorkFile::Findings, WorkFile::Identifiers, WorkFile::Marks, WorkFile::Attachments})
    supprimer(chemin(f));
}

void WorkFiles::creerTous() {
  findings.clear();
  identifiers = IdentifierFile{};
  marks.clear();
  attachments.clear();
  if (!surDisque_) return;
  for (WorkFile f : {WorkFile::Findings, WorkFile::Identifiers, WorkFile::Marks, WorkFile::Attachments})
    disponible_[static_cast<size_t>(f)] = ecrireBinaire(chemin(f), {});
}

void WorkFiles::exiger(WorkFile f, std::string_view unite) const {
  if (!disponible(f)) throw ArretFatal(messageFichierImpossible(nomFichier(f), unite));
}

void WorkFiles::ecrireSurDisque() const {
  if (!surDisque_) return;
  auto ecrire = [&](WorkFile f, const std::string& bytes) {
    if (disponible(f)) ecrireBinaire(chemin(f), bytes);
  };
  ecrire(WorkFile::Findings, encoderTous(findings));
  ecrire(WorkFile::Identifiers, encoderTous(identifiers.records()));
  ecrire(WorkFile::Marks, encoderTous(marks));
  ecrire(WorkFile::Attachments, encoderTous(attachments));
}

}  // namespace quillomat
