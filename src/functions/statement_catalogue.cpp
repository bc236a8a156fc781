// The statement catalogue: every line of a block that is not a plain value,
// in the binding order of trial, and its use by the line scanner.
#include <algorithm>
#include <iterator>
#include <vector>

#include "functions/catalogue.hpp"
#include "functions/checkers.hpp"
#include "functions/rows.hpp"
#include "functions/shared_messages.hpp"

#include "functions/personal_catalogue.hpp"
#include "logic/extended_syntax.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/fatal_stop.hpp"

namespace quillomat {
namespace {
using namespace rows;

// Header and declarations; the ID kind is the kind the declared name is recorded with.
constexpr size_t kEnTetes = 2;
constexpr size_t kDeclarations = 7;  // the last three only with the later syntax

constexpr Row kDebut[] = {
    sansApp(99, "ScriptName"), sansApp(99, "Scn"),
    sansApp(0, "Short"), sansApp(1, "Float"), sansApp(2, "Long"), sansApp(3, "Ref"),
    etendu(sansApp(2, "Int")), etendu(sansApp(70, "Array_var")), etendu(sansApp(71, "String_var")),
    avec(synDetectSet, "Set"),
    etendu(avec(synDetectLet, "Let")),
    etendu(avec(synDetectBeginFunction, "Begin")),
    avec(synDetectBegin, "Begin"),
    etendu(avec(synDetectEval, "If")), etendu(avec(synDetectEval, "ElseIf")),
    avec(synDetectTEST, "If"), avec(synDetectTEST, "ElseIf"),
    seule("Else"), seule("Endif"), seule("End"), seule("Return"),
    avec(strFoncTexteVariables, "MessageBox"),
    avec(synDetectMessage, "Message"),
    avec(synDetectEssentialDeathReload, "EssentialDeathReload"),
    avec(synDetectSetActorFullName, "SetActorFullName"),
    avec(synDetectSetCellFullName, "SetCellFullName"),
    avec(strFoncMoveToMarker, "MoveToMarker"),
    avec(strFoncMoveTo, "MoveTo"),
    avec(strFoncForceActorValue, "ForceActorValue"),
    avec(strFoncForceAV, "ForceAV"),
    avec(strFoncModPCMiscStat, "ModPCMiscStat"),
    avec(strFoncModPCMS, "ModPCMS"),
    avec(strFoncLock, "Lock"),
    avec(strFoncSetLevel, "SetLevel"),
    avec(strFoncRemoveItem, "RemoveItem"),
    avec(strFoncSayTo, "SayTo"),
    avec(synDetectPlaceAtMe, "PlaceAtMe"),
};

constexpr Row kVlse1[] = {
    valInt(0, "DisableKey"), seule("DisableMouse"), valInt(0, "EnableKey"), seule("EnableMouse"),
};

constexpr Row kPlain[] = {
    valInt(0, "EnableFastTravel"), valInt(0, "EnableFast"),
    seule("EnablePlayerControls"),
    optCall(19, "EnableLinkedPathPoints"), optCall(19, "Enable"), optCall(19, "DisableLinkedPathPoints"),
    seule("DisablePlayerControls"),
    optCall(19, "Disable"),
    seule("AdvancePCLevel"), seule("AdvLevel"), seule("AutoSave"), seule("KillAllActors"), seule("KillAll"),
    seule("RefreshTopicList"), seule("ReleaseWeatherOverride"), seule("ScriptEffectElapsedSeconds"),
    seule("ShowBirthsignMenu"), seule("ShowClassMenu"), seule("ShowEnchantment"), seule("ShowRaceMenu"),
    seule("ShowSpellMaking"), seule("WakeUpPC"),
    optCall(19, "AddFlames"), optCall(19, "CreateFullActorCopy"),
    optCall(15, "DispelAllSpells"),
    optCall(11, "DropMe"),
    optCall(19, "ForceCloseVaelmoorGate"),
    optId(15, 15, 1, "KillActor"), optCall(15, "KillActor"),
    optId(15, 15, 1, "Kill"), optCall(15, "Kill"), optCall(15, "PickIdle"),
    optCall(19, "RemoveFlames"),
    optCall(15, "RemoveScriptPackage"),
    optCall(19, "Reset3DState"),
    optCall(15, "ResetFallDamageTimer"), optCall(15, "ResetHealth"), optCall(15, "SameFactionAsPC"),
    optCall(15, "SameRaceAsPC"), optCall(15, "SameSexAsPC"),
    optCall(19, "SetAtStart"),
    optCall(15, "SkipAnim"), optCall(15, "StopCombat"), optCall(15, "StopCombatAlarmOnActor"),
    optCall(15, "scaOnActor"), optCall(15, "StopLook"),
    optCall(19, "TrapUpdate"),
    optCall(15, "Yield"),
    valInt(0, "AddAchievement"), valInt(0, "ModAmountSoldStolen"), valInt(0, "ModPCFame"), valInt(0, "ModPCInfamy"),
    valInt(0, "SetInCharGen"), valInt(0, "SetPCFame"), valInt(0, "SetPCInfamy"), valInt(0, "SetPCSleepHours"),
    valInt(0, "SetShowQuestItems"), valInt(0, "ShowDialogueSubtitles"),
    val(15, "SetAlert"),
    val(19, "SetDestroyed"),
    val(41, "SetDoorDefaultOpen"),
    val(15, "SetForceRun"), val(15, "SetForceSneak"), val(15, "SetGhost"), val(15, "SetIgnoreFriendlyHits"),
    val(15, "Sifh"), val(15, "SetInvestmentGold"),
    val(19, "SetItemValue"),
    val(15, "SetNoRumors"),
    val(41, "SetOpenState"),
    val(15, "SetRestrained"),
    val(19, "SetRigidBodyMass"),
    val(15, "SetUnconscious"),
    valFloatApp(15, "ModBarterGold"), valFloatApp(15, "ModCrimeGold"),
    valFloatApp(19, "ModScale"),
    valFloatApp(15, "SetActorAlpha"), valFloatApp(15, "Saa"), valFloatApp(15, "SetActorRefraction"),
    valFloatApp(15, "SetBarterGold"), valFloatApp(15, "SetCrimeGold"), valFloatApp(15, "SetPackDuration"),
    valFloatApp(15, "SPDur"),
    valFloatApp(19, "SetScale"), valFloatApp(19, "SetSize"),
    sansApp(51, "CompleteQuest"),
    sansApp(19, "DuplicateAllItems"),
    sansApp(93, "PlaySound"),
    sansApp(95, "ResetInterior"),
    sansApp(20, "SelectPlayerSpell"), sansApp(20, "SpSpell"),
    sansApp(15, "SendTrespassAlarm"),
    sansApp(51, "StartQuest"), sansApp(51, "StopQuest"),
    sansApp(92, "StreamMusic"),
    foncId(15, 62, "AddScriptPackage"),
    foncId(15, 20, "AddSpell"),
    foncId(15, 50, "AddTopic"),
    foncId(15, 21, "Dispell"),
    foncId(15, 15, "DuplicateNPCStats"),
    foncId(15, 19, "Look"),
    foncId(19, 93, "PlaySound3D"),
    foncId(15, 21, "PreloadMagicEffect"),
    foncId(15, 20, "RemoveSpell"),
    foncId(15, 15, "SameFaction"), foncId(15, 15, "SameRace"), foncId(15, 15, "SameSex"),
    foncId(15, 61, "SetClass"),
    foncId(15, 65, "SetCombatStyle"), foncId(15, 65, "SetCs"),
    foncId(15, 21, "StopMagicEffectVisuals"), foncId(15, 21, "sme"), foncId(15, 21, "StopMagicShaderVisuals"),
    foncId(15, 21, "sms"),
    foncId(15, 15, "StartCombat"),
    foncId(15, 62, "StopWaiting"),
    foncId(15, 15, "VampireFeed"),
    foncId(15, 62, "Wait"),
    idInt(10, 11, 1, "AddItem"),
    idInt(15, 11, 1, "Drop"),
    idInt(15, 91, 1, "ModFactionRank"),
    idInt(19, 95, 0, "SetCellPublicFlag"),
    idInt(19, 15, 0, "SetEssential"),
    idInt(15, 91, 1, "SetFactionRank"),
    idInt(19, 91, 0, "SetPCExpelled"), idInt(19, 91, 0, "SetPCFactionAttack"), idInt(19, 91, 0, "SetPCFactionMurder"),
    idInt(19, 91, 0, "SetPCFactionSteal"), idInt(19, 91, 0, "SetPCFactionSubmitAuthority"),
    idInt(19, 95, 0, "SetPublic"),
    idInt(19, 51, 1, "SetQuestObject"),
    idInt(19, 51, 0, "SetStage"),
    idShort(19, 63, 0, "ForceWeather"), idShort(19, 63, 0, "Fw"),
    idShort(19, 94, 1, "LoopGroup"),
    idShort(19, 92, 0, "PlayBink"),
    idShort(19, 94, 1, "PlayGroup"),
    idShort(15, 50, 1, "Say"),
    idShort(19, 63, 0, "SetWeather"), idShort(19, 63, 0, "Sw"),
    idShort(19, 95, 0, "ShowMap"),
    idShort(15, 11, 1, "UnequipItem"), idShort(15, 11, 1, "UnequipObject"), idShort(15, 11, 1, "EquipItem"),
    idShort(15, 11, 1, "EquipObject"),
    avec(strFoncID_optParam, "PlayMagicEffectVisuals"), avec(strFoncID_optParam, "pme"),
    avec(strFoncID_optParam, "PlayMagicShaderVisuals"), avec(strFoncID_optParam, "pms"),
    idId(19, 20, 19, 1, "Cast"),
    idId(15, 15, 51, 1, "StartConversation"),
    avec(strFoncCelluleOptID, "SetCellOwnership"),
    optId(19, 10, 1, "RemoveMe"), optCall(19, "RemoveMe"),
    optId(19, 66, 1, "SetOwnership"), optCall(19, "SetOwnership"),
    optId(15, 62, 1, "EvaluatePackage"), optCall(15, "EvaluatePackage"),
    optId(15, 62, 1, "Evp"), optCall(15, "Evp"),
    avec(strFoncAxeFloat, "Rotate"), avec(strFoncAxeFloat, "SetAngle"), avec(strFoncAxeFloat, "SetPos"),
    optShort(19, "CloseCurrentVaelmoorGate"), seule("CloseCurrentVaelmoorGate"),
    optShort(19, "CloseVaelmoorGate"), optCall(19, "CloseVaelmoorGate"),
    statShort(0, "AdvancePCSkill"), statShort(0, "AdvSkill"),
    statShort(1, "ModActorValue"), statShort(1, "ModAV"),
    statShort(0, "ModPCAttribute"), statShort(0, "ModPCA"), statShort(0, "ModPCSkill"), statShort(0, "ModPCS"),
    optShort(15, "ResurrectActor"), optCall(15, "ResurrectActor"),
    optShort(15, "Resurrect"), optCall(15, "Resurrect"),
    statShort(1, "SetActorValue"), statShort(1, "SetAV"),
    optShort(19, "TriggerHitShader"), seule("TriggerHitShader"),
    optShort(19, "Ths"), seule("Ths"),
    optShort(41, "Unlock"), optCall(41, "Unlock"),
    positionCellule(95, "PositionCell"), positionCellule(95, "PosCell"),
    positionCellule(68, "PositionWorld"), positionCellule(68, "PosWorld"),
    optIdOptShort(15, 19, "Activate"), optCall(19, "Activate"),
    optIdOptShort(10, 10, "RemoveAllItems"), optCall(10, "RemoveAllItems"),
    seule("PayFineThief"), seule("PayFine"), seule("GoToJail"),
    avec(strFoncIDfloat, "ForceTakeCover"), avec(strFoncIDfloat, "TakeCover"), avec(strFoncIDfloat, "ModDisposition"),
    avec(strFoncIDIDShort, "ModFactionReaction"), avec(strFoncIDIDShort, "SetFactionReaction"),
    avec(strFoncOptCelluleOptRef, "ForceFlee"), optCall(15, "ForceFlee"),
    avec(strFoncOptCelluleOptRef, "Flee"), optCall(15, "Flee"),
    nonDocumentee("CSize"), nonDocumentee("GetQuestVariable"), nonDocumentee("GetPersuasionNumber"),
    nonDocumentee("GetTotalPersuasionNumber"), nonDocumentee("GetUsedItemActivate"),
};

constexpr Row kVlse2[] = {
    valInt(0, "AHammerKey"), valInt(0, "HammerKey"), valInt(0, "HoldKey"),
    statShort(1, "ModActorValue2"),
    valInt(1, "MoveMouseX"), valInt(1, "MoveMouseY"),
    seule("PurgeCellBuffers"), seule("con_RefreshINI"),
    valInt(0, "ReleaseKey"), valInt(0, "con_RunMemoryPass"), valInt(0, "SetMouseSpeedX"), valInt(0, "SetMouseSpeedY"),
    valInt(1, "con_SetCameraFOV"),
    valInt(0, "con_SetClipDist"),
    valFloat(0, "con_SetGamma"),
    valFloatApp(15, "con_SetTargetRefraction"),
    optCall(15, "con_SexChange"),
    valInt(0, "TapKey"),
    seule("con_ToggleDetection"),
    valInt(0, "UnhammerKey"),
    troisVal(15, 1, "con_HairTint"),
    troisVal(19, 0, "con_WaterDeepColor"), troisVal(19, 0, "con_WaterReflectionColor"),
    troisVal(19, 0, "con_WaterShallowColor"),
    deuxVal(19, 0, 0, "con_SetFog"),
    deuxVal(15, 1, 1, "con_SetTargetRefractionFire"),
    avec(strFoncCinqVal, "con_SetHDRParam"),
    avec(strFoncTroisValGlow, "con_SetImageSpaceGlow"),
    avec(strFoncTexteVariables, "PrintToConsole"),
    idInt(19, 80, 0, "con_SetGameSetting"), idInt(19, 80, 0, "SetNumericGameSetting"),
    idInt(19, 81, 0, "con_SetINISetting"),
    avec(strFoncTexteVal, "con_ModWaterShader"),
    nonDocumentee("con_SetSkyParam"),
};

// The lines of the later syntax that no earlier row can take for its own.
constexpr Row kEtendu[] = {
    etendu(avec(synDetectMotExpression, "While")), etendu(avec(synDetectForeach, "ForEach")),
    etendu(seule("Loop")), etendu(seule("Break")), etendu(seule("Continue")),
    etendu(avec(synDetectMotExpression, "SetFunctionValue")), etendu(avec(synDetectMotExpression, "Call")),
};

constexpr auto kCatalogue = assemblerGroupes<std::size(kDebut) + std::size(kVlse1) + std::size(kPlain) +
                                             std::size(kVlse2) + std::size(kEtendu)>(
    {{kDebut, Group::Plain}, {kVlse1, Group::Vlse}, {kPlain, Group::Plain}, {kVlse2, Group::Vlse},
     {kEtendu, Group::Plain}});

// First row of `rows` that recognises the line, or nullptr.
const Row* premiereReconnue(Context& ctx, const Text& line, std::span<const Row> rows) {
  for (const Row& r : rows)
    if ((!r.etendu || ctx.etendu) && peutReconnaitre(line, r) && r.check(ctx, line, r) != 0) return &r;
  return nullptr;
}

}  // namespace

std::span<const Row> catalogueInstructions() { return kCatalogue; }

std::vector<std::string_view> nomsDesFonctions() {
  std::vector<std::string_view> noms;
  auto ajouter = [&](std::span<const Row> rows) {
    for (const Row& r : rows)
      if (!r.etendu && std::find(noms.begin(), noms.end(), r.name) == noms.end()) noms.push_back(r.name);
  };
  ajouter(catalogueValeurs());
  ajouter(catalogueInstructions());
  return noms;
}

int verifierEnTete(Context& ctx, const Text& line) {
  return premiereReconnue(ctx, line, catalogueInstructions().first(kEnTetes)) ? 1 : 0;
}

int verifierDeclaration(Context& ctx, const Text& line) {
  return premiereReconnue(ctx, line, catalogueInstructions().subspan(kEnTetes, kDeclarations)) ? 1 : 0;
}

int verifierInstruction(Context& ctx, const Text& line) {
  const Row* r = premiereReconnue(ctx, line, catalogueInstructions().subspan(kEnTetes + kDeclarations));
  if (!r && ctx.etendu) r = premiereReconnue(ctx, line, fonctionsEtendues());
  if (!r && ctx.etendu && ctx.etendu->catalogue) r = premiereReconnue(ctx, line, ctx.etendu->catalogue->rows());
  if (!r) return 0;
  if (r->group == Group::Vlse && ctx.vlse == 0)
    signalerLigne(ctx.wf, ctx.line, kDependVlse);
  if (r->name == "ScriptEffectElapsedSeconds") {
    // Only a magic-effect script may use it.
    ctx.wf.exiger(WorkFile::Marks, "MainSyntaxe");
    ctx.wf.marks.push_back(ScriptKindMark{ctx.line, 3});
  }
  return 1;
}

}  // namespace quillomat
