#include "lsp/signature_words.hpp"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "cli/run_listing.hpp"
#include "functions/checkers.hpp"
#include "logic/extended_syntax.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat::lsp {
namespace {

constexpr Appelant kAucun = Appelant::Aucun;
constexpr Appelant kFacultatif = Appelant::Facultatif;
constexpr Appelant kSelonLigne = Appelant::SelonLigne;
constexpr int kLigne = kTypeDeLaLigne;
constexpr int kPersonne = 15, kObjet = 19, kContenant = 10, kPorte = 41;

const Signature kSignatures[] = {
    {strReturnFonctionSeule, kAucun, 0, "aucun"},
    {synDetectFonctionSeule_OptCall, kFacultatif, kLigne, "aucun"},
    {strReturnFoncID, kFacultatif, kLigne, "un ID%1"},
    {strReturnFoncID_sansApp, kAucun, 0, "un ID%1"},
    {strAlerteNonDocumentee, kFacultatif, kSansType, "syntaxe insuffisamment documentée : non vérifiés"},
    {strFoncStat_choiceApp, kFacultatif, kPersonne, "une statistique d'acteur", true},
    {strFoncStatShort_choiceApp, kSelonLigne, kPersonne, "une statistique d'acteur, puis un nombre entier", true},
    {strFoncSexe_choiceApp, kSelonLigne, kPersonne, "un sexe : Male ou Female"},
    {strFoncAxe, kFacultatif, kObjet, "un axe : X, Y ou Z"},
    {strFoncAxeFloat, kFacultatif, kObjet, "un axe (X, Y ou Z), puis une valeur (nombre, variable ou expression)"},
    {strFoncIDfloat, kFacultatif, kPersonne, "un ID (PERSONNE), puis une valeur (nombre, variable ou expression)"},
    {strReturnFoncVal, kFacultatif, kLigne, "un nombre entier positif (pas de variable)"},
    {strReturnFoncValInt, kAucun, 0, "un nombre entier (pas de variable)"},
    {strReturnFoncValFloat, kAucun, 0, "un nombre, décimal ou non (pas de variable)"},
    {strFoncValFloatApp, kFacultatif, kLigne, "un nombre, décimal ou non (pas de variable)"},
    {strFoncIDintApp, kSelonLigne, kLigne, "un ID%1, puis un nombre entier"},
    {strFoncIDIDApp, kSelonLigne, kLigne, "un ID%1, puis un second ID%2"},
    {strFoncID_optShort_choiceApp, kSelonLigne, kLigne, "un ID%1, puis un nombre entier facultatif"},
    {strFoncID_optParam, kFacultatif, kObjet, "un ID (EFFET), puis un nombre facultatif"},
    {strFoncTexteVal, kAucun, 0, "un texte entre guillemets, un nombre, puis un paramètre facultatif"},
    {strFoncMoveTo, kFacultatif, kObjet,
     "un ID (CELLULE), puis jusqu'à trois nombres facultatifs : les décalages sur les axes X, Y et Z"},
    {strFoncMoveToMarker, kFacultatif, kObjet,
     "un ID (CELLULE), puis jusqu'à trois nombres facultatifs : les décalages sur les axes X, Y et Z"},
    {strFoncForceActorValue, kFacultatif, kPersonne,
     "une statistique d'acteur, puis une valeur (nombre, variable ou expression)", true},
    {strFoncForceAV, kFacultatif, kPersonne,
     "une statistique d'acteur, puis une valeur (nombre, variable ou expression)", true},
    {strFoncModPCMiscStat, kAucun, 0, "deux nombres entiers (pas de variable)"},
    {strFoncModPCMS, kAucun, 0, "deux nombres entiers (pas de variable)"},
    {strFoncLock, kFacultatif, kPorte, "un niveau de verrou facultatif (nombre entier), puis un paramètre facultatif"},
    {strFoncSetLevel, kFacultatif, kObjet, "un nombre entier, puis jusqu'à trois nombres entiers facultatifs"},
    {strFoncRemoveItem, kFacultatif, kContenant, "un ID (CONTENU), un nombre entier, puis un paramètre facultatif"},
    {strFoncSayTo, kFacultatif, kPersonne, "un ID (PERSONNE), un ID (TOPIC), puis un nombre entier facultatif"},
    {strFoncGetCrimeKnown, kFacultatif, kPersonne, "un type de crime (nombre), puis deux ID (PERSONNE)"},
    {strFonc_optShort_choiceApp, kFacultatif, kLigne, "un nombre entier facultatif (pas de variable)"},
    {strFonc_optID_choiceApp, kSelonLigne, kLigne, "un ID facultatif%1"},
    {strFoncCelluleOptID, kAucun, 0, "un ID (CELLULE), puis un ID facultatif (FACTION ou PNJ) : le propriétaire"},
    {strFoncValOptID, kSelonLigne, kLigne, "un nombre, puis un ID facultatif%1"},
    {strFoncPositionCellule, kFacultatif, kObjet,
     "les coordonnées X, Y et Z, la rotation sur l'axe Z (nombres), puis un ID%1"},
    {strFoncTroisVal, kSelonLigne, kLigne, "trois nombres"},
    {strFoncCinqVal, kAucun, 0, "cinq nombres"},
    {strFoncTroisValGlow, kAucun, 0, "trois nombres"},
    {strFoncDeuxVal, kSelonLigne, kLigne, "deux nombres"},
    {strFoncOptIDOptShort, kFacultatif, kLigne, "un ID facultatif%1, puis un nombre entier facultatif"},
    {strFoncIDIDShort, kAucun, 0, "deux ID (FACTION), puis un nombre entier"},
    {strFoncOptCelluleOptRef, kFacultatif, kPersonne, "un ID facultatif (CELLULE), puis un ID facultatif (OBJET)"},
    {strFoncTexteVariables, kAucun, 0,
     "un texte entre guillemets avec ses champs (%s, %g, %.0f à %.9f), une variable par champ (9 au plus), "
     "puis des choix facultatifs entre guillemets"},
    {synDetectSet, kAucun, 0, "une variable, le mot to, puis une valeur (nombre, variable ou expression)"},
    {synDetectBegin, kAucun, 0, "un nom de bloc (GameMode, OnActivate...) et son paramètre s'il en prend un"},
    {synDetectTEST, kAucun, 0, "une expression logique (comparaisons reliées par && ou ||)"},
    {synDetectMessage, kAucun, 0,
     "un texte entre guillemets avec ses champs (%s, %g, %.0f à %.9f), puis une variable par champ (9 au plus)"},
    {synDetectEssentialDeathReload, kAucun, 0, "un texte entre guillemets"},
    {synDetectSetActorFullName, kFacultatif, kPersonne, "le nouveau nom, entre guillemets"},
    {synDetectSetCellFullName, kAucun, 0, "un ID (CELLULE), puis le nouveau nom entre guillemets"},
    {synDetectPlaceAtMe, kFacultatif, kObjet, "un ID (OBJET), un nombre d'exemplaires, une distance et une direction"},
    {synDetectLet, kAucun, 0,
     "une variable (ou un élément a[i], a->cle), un opérateur d'affectation (:=, +=...), puis une expression"},
    {synDetectBeginFunction, kAucun, 0, "le mot Function, puis ses paramètres entre accolades"},
    {synDetectEval, kAucun, 0, "le mot eval, puis une expression de la syntaxe étendue"},
    {synDetectMotExpression, kAucun, 0, "une expression de la syntaxe étendue"},
    {synDetectForeach, kAucun, 0, "une variable, <-, puis le tableau ou le texte parcouru"},
};

// " (QUETE)" for a kind with a type word, nothing otherwise.
std::string entreParentheses(int kind) {
  const std::string_view type = nomDuType(kind);
  return type.empty() ? std::string() : " (" + std::string(type) + ")";
}

const std::unordered_map<std::string, FicheFonction>& index() {
  static const std::unordered_map<std::string, FicheFonction> fiches = [] {
    std::unordered_map<std::string, FicheFonction> out;
    auto ajouter = [&](std::span<const Row> rows) {
      for (const Row& r : rows) {
        const bool vlse = r.group == Group::Vlse || r.group == Group::VlseRef;
        const Signature* s = signatureDe(r.check);
        const bool statistique = s && s->statistique;
        auto [it, nouveau] = out.try_emplace(enMinuscules(r.name), FicheFonction{r.name, &r, vlse, statistique});
        if (nouveau) continue;
        it->second.vlse = it->second.vlse && vlse;
        it->second.statistique = it->second.statistique || statistique;
      }
    };
    ajouter(catalogueValeurs());
    ajouter(catalogueInstructions());
    return out;
  }();
  return fiches;
}

}  // namespace

std::span<const Signature> signatures() { return kSignatures; }

const Signature* signatureDe(Checker c) {
  const auto it = std::find_if(std::begin(kSignatures), std::end(kSignatures),
                               [c](const Signature& s) { return s.checker == c; });
  return it == std::end(kSignatures) ? nullptr : &*it;
}

std::optional<FicheFonction> ficheDe(std::string_view nom) {
  const auto it = index().find(enMinuscules(nom));
  if (it == index().end()) return std::nullopt;
  return it->second;
}

std::string motsAppelant(const FicheFonction& f) {
  const Signature* s = signatureDe(f.ligne->check);
  if (!s || s->appelant == Appelant::Aucun || (s->appelant == Appelant::SelonLigne && f.ligne->callerAllowed == 0))
    return "aucun";
  if (s->typeAppelant == kSansType) return "facultatif";
  return "facultatif" + entreParentheses(s->typeAppelant == kTypeDeLaLigne ? f.ligne->callerKind : s->typeAppelant);
}

std::string motsParametres(const FicheFonction& f) {
  const Signature* s = signatureDe(f.ligne->check);
  if (!s) return {};
  std::string out;
  const std::string_view mots = s->parametres;
  for (size_t i = 0; i < mots.size(); ++i) {
    if (mots[i] == '%' && i + 1 < mots.size() && (mots[i + 1] == '1' || mots[i + 1] == '2')) {
      out += entreParentheses(mots[i + 1] == '1' ? f.ligne->idKind : f.ligne->idKind2);
      ++i;
    } else {
      out += mots[i];
    }
  }
  return out;
}

}  // namespace quillomat::lsp
