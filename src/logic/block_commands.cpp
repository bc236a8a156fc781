// One block name of a Begin line (a piece of its argument split at && and ||):
// a known block type with acceptable arguments. Blocks that never run in a
// magic-effect script are flagged when that is the declared kind; the
// magic-effect blocks leave a mark for the script-type verdict.
#include <string>

#include "functions/checkers.hpp"
#include "functions/rows.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"

#include "syntax/script_type.hpp"

namespace quillomat {
namespace {
using namespace rows;

constexpr int kEffetMagique = 3;

constexpr Libelle<0> kCommandeInvalide{"QM402", " : la commande après le Begin n'est pas valide !",
                                       "Le mot qui suit Begin n'est pas un type de bloc que le jeu connaît, ou ses "
                                       "paramètres sont faux."};
constexpr Libelle<1> kBlocJamaisExecute{"QM403",
                                        " : alerte, le bloc {BLOC} ne sera jamais executé dans un script d'effet "
                                        "magique !",
                                        "Un script d'effet magique n'exécute que les blocs ScriptEffectStart, "
                                        "ScriptEffectUpdate et ScriptEffectFinish.",
                                        kAlerte};
constexpr const Fiche* kLibelles[] = {&kCommandeInvalide, &kBlocJamaisExecute};

struct Bloc {
  Row row;
  bool effetMagique = false;  // a block of magic-effect scripts only
};

// In order of trial; where a block has two forms, the one with an argument
// comes first and the bare name second. Longer names before their prefixes.
const Bloc kBlocs[] = {
    {seule("GameMode")},
    {seule("OnActivate")},
    {seule("OnKnockOut")},
    {seule("OnLoad")},
    {seule("OnReset")},
    {optShort(19, "MenuMode")}, {seule("MenuMode")},  // as the value catalogue's MenuMode rows
    {sansApp(16, "OnActorEquip")},
    {sansApp(16, "OnActorUnequip")},
    {sansApp(62, "OnPackageChange")},
    {sansApp(62, "OnPackageDone")},
    {sansApp(62, "OnPackageEnd")},
    {sansApp(62, "OnPackageStart")},
    {optId(19, 11, 0, "OnAdd")}, {seule("OnAdd")},
    {optId(19, 15, 0, "OnDeath")}, {seule("OnDeath")},
    {optId(19, 11, 0, "OnDrop")}, {seule("OnDrop")},
    {optId(19, 15, 0, "OnEquip")}, {seule("OnEquip")},
    {optId(19, 32, 0, "OnHitWith")}, {seule("OnHitWith")},
    {optId(19, 15, 0, "OnHit")}, {seule("OnHit")},
    {optId(19, 21, 0, "OnMagicEffectHit")}, {seule("OnMagicEffectHit")},
    {optId(19, 15, 0, "OnMurder")}, {seule("OnMurder")},
    {optId(19, 11, 0, "OnSell")}, {seule("OnSell")},
    {optId(19, 15, 0, "OnStartCombat")}, {seule("OnStartCombat")},
    {optId(19, 19, 0, "OnTriggerActor")}, {seule("OnTriggerActor")},
    {optId(19, 19, 0, "OnTriggerMob")}, {seule("OnTriggerMob")},
    {optId(19, 19, 0, "OnTrigger")}, {seule("OnTrigger")},
    {optId(19, 15, 0, "OnUnequip")}, {seule("OnUnequip")},
    {valOptId(15, 0, 0, "OnAlarmVictim")},
    {valOptId(15, 0, 0, "OnAlarm")},
    {seule("ScriptEffectStart"), true},
    {seule("ScriptEffectFinish"), true},
    {seule("ScriptEffectUpdate"), true},
};

}  // namespace

Libelles libellesBlockCommands() { return kLibelles; }

void synDetectCommande(Context& ctx, std::string_view piece) {
  // The checkers get the lower-cased piece: the names they record are lower case.
  const std::string minuscules = enMinuscules(piece.substr(0, kLigneMax));
  const Text t(minuscules);
  for (const Bloc& bloc : kBlocs) {
    if (!peutReconnaitre(t, bloc.row) || bloc.row.check(ctx, t, bloc.row) == 0) continue;
    if (bloc.effetMagique)
      ajouterMarqueType(ctx.wf, kEffetMagique, ctx.line);
    else if (ctx.scriptKind == kEffetMagique)
      signalerLigne(ctx.wf, ctx.line, kBlocJamaisExecute, bloc.row.name);
    return;
  }
  signalerLigne(ctx.wf, ctx.line, kCommandeInvalide);
}

}  // namespace quillomat
