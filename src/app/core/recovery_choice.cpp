#include "app/core/recovery_choice.hpp"

#include <algorithm>

namespace quillomat {
namespace {

constexpr std::u16string_view kMarques[] = {u"r\u00E9cup\u00E9r\u00E9", u"copie r\u00E9cup\u00E9r\u00E9e"};

// "name (récupéré)", then "name (récupéré 2)"... until no open window has it.
// A window recovered twice is not marked twice.
std::u16string nomLibre(std::u16string nom, std::u16string_view marque, const std::vector<std::u16string>& nomsPris) {
  for (const std::u16string_view m : kMarques) {
    const std::size_t debut = nom.rfind(u" (" + std::u16string(m));
    if (debut != std::u16string::npos && nom.back() == u')') nom.resize(debut);
  }
  for (int n = 1;; ++n) {
    std::u16string essai = nom + u" (" + std::u16string(marque);
    if (n > 1) {
      essai += u' ';
      for (const char c : std::to_string(n)) essai += static_cast<char16_t>(c);
    }
    essai += u')';
    if (std::find(nomsPris.begin(), nomsPris.end(), essai) == nomsPris.end()) return essai;
  }
}

bool chiffres(std::string_view texte, bool hexadecimaux) {
  return !texte.empty() && std::all_of(texte.begin(), texte.end(), [hexadecimaux](char c) {
    return (c >= '0' && c <= '9') || (hexadecimaux && c >= 'a' && c <= 'f');
  });
}

constexpr std::string_view kDebutCopie = "document-";
constexpr std::string_view kFinCopie = ".copie";

}  // namespace

PlanRecuperation planifier(const CopieRecuperation& copie, ChoixCopie choix,
                           const std::vector<std::u16string>& nomsPris) {
  PlanRecuperation plan;
  if (choix == ChoixCopie::Ecarter) return plan;
  plan.fenetre = true;
  if (copie.chemin.empty()) {
    // Nothing on disk to compare with: both choices restore.
    plan.nom = nomLibre(copie.nom, kMarques[0], nomsPris);
  } else if (choix == ChoixCopie::Restaurer) {
    plan.chemin = copie.chemin;
  } else {
    plan.nom = nomLibre(copie.nom, kMarques[1], nomsPris);
    plan.ouvrirFichier = true;
  }
  return plan;
}

bool estNomInstance(std::string_view nom) { return nom.size() == 32 && chiffres(nom, true); }

std::string nomVerrou(std::string_view instance) { return std::string(instance) + ".verrou"; }

std::string nomCopie(int numero) {
  return std::string(kDebutCopie) + std::to_string(numero) + std::string(kFinCopie);
}

bool estNomCopie(std::string_view nom) {
  if (!nom.starts_with(kDebutCopie) || !nom.ends_with(kFinCopie)) return false;
  nom.remove_prefix(kDebutCopie.size());
  nom.remove_suffix(kFinCopie.size());
  return chiffres(nom, false) && nom.front() != '0';
}

}  // namespace quillomat
