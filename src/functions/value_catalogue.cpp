// The value catalogue: every function that may stand as an operand, in the
// binding order of trial (a longer name before any shorter name that is a
// prefix of it, unless the order says otherwise).
#include <vector>

#include "functions/catalogue.hpp"
#include "functions/checkers.hpp"
#include "functions/rows.hpp"

namespace quillomat {
namespace {
using namespace rows;

const Row kPlain[] = {
    avec(strFoncGetCrimeKnown, "GetCrimeKnown"),
    avec(strFoncSayTo, "SayTo"),
    seule("GetSecondsPassed"), seule("GetPlayerControlsDisabled"), seule("GetAmountSoldStolen"),
    seule("GetButtonPressed"), seule("GetClassDefaultMatch"), seule("GetCurrentTime"),
    seule("GetCurrentWeatherPercent"), seule("GetWeatherPct"), seule("GetDayOfWeek"), seule("GetPCFame"),
    seule("GetPCInfamy"), seule("GetPCSleepHours"), seule("GetPlayerHasLastRiddenHorse"),
    seule("GetRandomPercent"), seule("GetTrespassWarningLevel"), seule("GetWindSpeed"), seule("IsCloudy"),
    seule("IsPCAMurderer"), seule("IsPCSleeping"), seule("IsPlayerInJail"), seule("IsPlayerMovingIntoNewSpace"),
    seule("IsPleasant"), seule("IsRaining"), seule("IsSnowing"), seule("IsTimePassing"), seule("IsTurnArrest"),
    seule("IsXBox"), seule("WhichServiceMenu"),
    optCall(19, "CanHaveFlames"),
    optCall(15, "CanPayCrimeGold"), optCall(15, "GetAlarmed"), optCall(15, "GetArmorRatingUpperBody"),
    optCall(15, "GetArmorRating"), optCall(15, "GetAttacked"), optCall(15, "GetBarterGold"),
    optCall(15, "GetClothingValue"), optCall(15, "GetCrimeGold"), optCall(15, "GetCurrentAIPackage"),
    optCall(15, "GetCurrentAIProcedure"), optCall(15, "GetDead"),
    optCall(19, "GetDestroyed"), optCall(19, "GetDisabled"),
    optCall(15, "GetDiseased"),
    optCall(41, "GetDoorDefaultOpened"),
    optCall(15, "GetFatiguePercentage"), optCall(15, "GetFatigue"), optCall(15, "GetForceRun"),
    optCall(15, "GetForceSneak"), optCall(15, "GetFurnitureMarkerID"), optCall(15, "GetGold"),
    optCall(15, "GetIdleDoneOnce"), optCall(15, "GetIgnoreFriendlyHits"), optCall(15, "Gifh"),
    optCall(15, "GetInvestmentGold"), optCall(15, "GetIsAlerted"),
    optCall(19, "GetIsCreature"),
    optCall(15, "GetIsGhost"),
    optCall(97, "GetIsPlayableRace"),
    optCall(15, "GetLevel"),
    optCall(41, "GetLockLevel"), optCall(41, "GetLocked"),
    optCall(15, "GetNoRumors"), optCall(15, "GetOffersServicesNow"),
    optCall(41, "GetOpenState"),
    optCall(19, "GetScale"),
    optCall(15, "GetSitting"), optCall(15, "GetSleeping"), optCall(15, "GetRestrained"),
    optCall(15, "GetTalkedToPC"), optCall(15, "GetTimeDead"), optCall(15, "GetUnconscious"),
    optCall(19, "GetUsedItemLevel"),
    optCall(15, "GetVampire"), optCall(15, "GetWalkSpeed"), optCall(15, "GetWalk"),
    optCall(19, "HasFlames"),
    optCall(15, "HasVampireFed"), optCall(15, "IsActorAVictim"), optCall(15, "IsActorDetected"),
    optCall(15, "IsActorEvil"), optCall(15, "IsActorsAIOff"), optCall(15, "IsActorUsingATorch"),
    optCall(19, "IsActor"), optCall(19, "IsAnimPlaying"),
    optCall(15, "IsContinuingPackagePCNear"), optCall(15, "IsEssential"), optCall(15, "IsFacingUp"),
    optCall(15, "IsGuard"), optCall(15, "IsHorseStolen"), optCall(15, "IsIdlePlaying"), optCall(15, "IsInCombat"),
    optCall(15, "IsInDangerousWater"),
    optCall(19, "IsInInterior"),
    optCall(15, "IsInMyOwnedCell"), optCall(15, "IsLeftUp"), optCall(15, "IsPlayersLastRiddenHorse"),
    optCall(15, "IsRidingHorse"), optCall(15, "IsRunning"), optCall(15, "IsShieldOut"), optCall(15, "IsSneaking"),
    optCall(15, "IsSwimming"), optCall(15, "IsTalking"), optCall(15, "IsTorchOut"), optCall(15, "IsTrespassing"),
    optCall(15, "IsWaiting"), optCall(15, "IsWeaponOut"), optCall(15, "IsYielding"),
    valInt(0, "GetPCMiscStat"), valInt(0, "GetPCMS"),
    foncId(15, 15, "GetDetected"), foncId(15, 15, "GetDetectionLevel"), foncId(15, 15, "GetDisposition"),
    foncId(19, 19, "GetDistance"),
    foncId(15, 16, "GetEquipped"),
    foncId(15, 91, "GetFactionRank"),
    foncId(15, 15, "GetFriendHit"),
    foncId(15, 19, "GetHeadingAngle"),
    foncId(15, 95, "GetInCell"),
    foncId(15, 91, "GetInFaction"),
    foncId(19, 19, "GetInSameCell"),
    foncId(15, 68, "GetInWorldSpace"),
    foncId(15, 61, "GetIsClass"),
    foncId(15, 19, "GetIsCurrentFurnitureObj"), foncId(15, 19, "GetIsCurrentFurnitureRef"),
    foncId(15, 62, "GetIsCurrentPackage"),
    foncId(19, 19, "GetIsID"),
    foncId(15, 97, "GetIsRace"),
    foncId(19, 19, "GetIsReference"),
    foncId(15, 19, "GetIsUsedItem"),
    foncId(15, 60, "GetIsUsedItemType"),
    foncId(10, 11, "GetItemCount"),
    foncId(15, 19, "GetLOS"),
    foncId(15, 15, "GetShouldAttack"),
    foncId(15, 21, "HasMagicEffect"),
    foncId(15, 20, "IsSpellTarget"), foncId(15, 20, "RemoveSpell"),
    sansApp(15, "GetDeadCout"),
    sansApp(67, "GetGameSetting"), sansApp(67, "GetGS"),
    sansApp(9, "GetGlobalValue"),
    sansApp(61, "GetIsClassDefault"),
    sansApp(63, "GetIsCurrentWeather"), sansApp(63, "GetWeather"),
    sansApp(64, "GetIsPlayerBirthSign"), sansApp(64, "GetPBS"),
    sansApp(15, "GetKnockedState"),
    sansApp(91, "GetPCExpelled"), sansApp(91, "GetPCFactionAttack"), sansApp(91, "GetPCFactionMurder"),
    sansApp(91, "GetPCFactionSteal"), sansApp(91, "GetPCFactionSubmitAuthority"), sansApp(91, "GetPCInFaction"),
    sansApp(61, "GetPCIsClass"),
    sansApp(97, "GetPCIsRace"),
    sansApp(51, "GetQuestRunning"), sansApp(51, "GetQR"), sansApp(51, "GetStage"),
    sansApp(15, "GetTalkedToPCParam"), sansApp(15, "GetWeaponAnimType"), sansApp(15, "GetWeaponSkillType"),
    sansApp(15, "IsActionRef"),
    idShort(15, 15, 1, "GetCrime"),
    idShort(15, 50, 1, "Say"),
    avec(strFoncCelluleOptID, "IsCellOwner"),
    optId(19, 66, 1, "IsOwner"),
    optCall(19, "IsOwner"),
    optShort(19, "MenuMode"),
    seule("MenuMode"),
    avec(strFoncAxe, "GetAngle"), avec(strFoncAxe, "GetPos"), avec(strFoncAxe, "GetStartingPos"),
    avec(strFoncAxe, "GetStartingAngle"),
    sexe(1, "GetIsSex"),
    sexe(0, "GetPCIsSex"),
    stat("GetActorValue"), stat("GetAV"), stat("GetBaseActorValue"), stat("GetBaseAV"),
    idInt(19, 51, 0, "GetStageDone"),
    idId(15, 91, 15, 1, "GetFactionRankDifference"),
    idId(15, 91, 91, 0, "GetFactionReaction"),
    idId(15, 95, 15, 0, "GetInCellParam"),
    idId(15, 19, 29, 0, "GetScriptVariable"),
    nonDocumentee("CSize"), nonDocumentee("GetQuestVariable"), nonDocumentee("GetPersuasionNumber"),
    nonDocumentee("GetTotalPersuasionNumber"), nonDocumentee("GetUsedItemActivate"),
};

const Row kVlse[] = {
    valFloat(1, "Abs"), valFloat(1, "ACos"), valFloat(1, "ASin"), valFloat(1, "ATan"), valFloat(1, "Ceil"),
    valFloat(1, "Cosh"), valFloat(1, "Cos"), valFloat(1, "Exp"), valFloat(1, "Floor"),
    valInt(0, "GetAltControl"), valInt(0, "GetControl"),
    val(19, "GetCurrentValue"), val(19, "GetCV"),
    valInt(0, "GetKeyPress"),
    optCall(15, "GetNumItems"),
    seule("GetNumKeysPressed"), seule("GetVLSEVersion"),
    valInt(0, "IsKeyPressed2"), valInt(0, "IsKeyPressed"),
    valFloat(0, "Log10"), valFloat(0, "Log"),
    valFloat(1, "Sinh"), valFloat(1, "Sin"),
    valFloat(0, "SquareRoot"),
    valFloat(1, "Tanh"), valFloat(1, "Tan"),
    optId(19, 19, 1, "GetObjectType"), optCall(19, "GetObjectType"),
    optId(19, 19, 1, "IsActivator"), optCall(19, "IsActivator"),
    optId(19, 19, 1, "IsAlchemyItem"), optCall(19, "IsAlchemyItem"),
    optId(19, 19, 1, "IsPotion"), optCall(19, "IsPotion"),
    optId(19, 19, 1, "IsAmmo"), optCall(19, "IsAmmo"),
    optId(19, 19, 1, "IsArmor"), optCall(19, "IsArmor"),
    optId(19, 19, 1, "IsBook"), optCall(19, "IsBook"),
    optId(19, 19, 1, "IsClothing"), optCall(19, "IsClothing"),
    optId(19, 19, 1, "IsContainer"), optCall(19, "IsContainer"),
    optId(19, 19, 1, "IsDoor"), optCall(19, "IsDoor"),
    optId(19, 19, 1, "IsFurniture"), optCall(19, "IsFurniture"),
    optId(19, 19, 1, "IsIngredient"), optCall(19, "IsIngredient"),
    optId(19, 19, 1, "IsKey"), optCall(19, "IsKey"),
    optId(19, 19, 1, "IsLight"), optCall(19, "IsLight"),
    optId(19, 19, 1, "IsSoulGem"), optCall(19, "IsSoulGem"),
    optId(19, 19, 1, "IsWeapon"), optCall(19, "IsWeapon"),
    deuxVal(15, 1, 0, "GetEquippedCurrentValue"), deuxVal(15, 1, 0, "GetECV"),
    deuxVal(15, 1, 0, "GetEquippedObjectValue"), deuxVal(15, 1, 0, "GetEOV"),
    deuxVal(19, 0, 0, "Pow"), deuxVal(19, 0, 0, "Rand"),
    valOptId(19, 1, 19, "GetObjectValue"), valOptId(19, 1, 19, "GetOV"),
    idInt(19, 81, 0, "con_GetINISetting"),
};

const Row kVlseRef[] = {
    optCall(19, "GetBaseObject"),
    valInt(0, "GetEquippedObject"), valInt(0, "GetInventoryObject"),
    optCall(19, "GetParentCell"),
    seule("GetPlayerSpell"),
};

const Row kRef[] = {
    optCall(19, "CreateFullActorCopy"), optCall(19, "DeleteFullActorCopy"),
    optCall(15, "GetActionRef"), optCall(15, "GetAR"), optCall(15, "GetCombatTarget"),
    optCall(11, "GetContainer"),
    optCall(19, "GetPackageTarget"), optCall(19, "GetParentRef"), optCall(19, "GetSelf"), optCall(19, "This"),
};

std::vector<Row> assembler() {
  return assemblerGroupes({{kPlain, Group::Plain}, {kVlse, Group::Vlse}, {kVlseRef, Group::VlseRef}, {kRef, Group::Ref}});
}

}  // namespace

std::span<const Row> catalogueValeurs() {
  static const std::vector<Row> rows = assembler();
  return rows;
}

}  // namespace quillomat
