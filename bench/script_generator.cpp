#include "script_generator.hpp"

#include <string_view>
#include <vector>

namespace quillomat::bench {
namespace {

// Lines of a block; '#' stands for the number of the block, so that each
// block names objects of its own.
using Modele = std::vector<std::string_view>;

// One block of the stress script: 91 lines, every construct, about 30 findings.
const Modele kBlocStress = {
    "begin GameMode",
    "  ; bloc # : la garde de la porte, avec des fautes",
    "  if ( GetSecondsPassed > 2 ) && ( player.GetDistance Garde# < 300 )",
    "    set compteur to compteur + 1 ; un compteur",
    "    player.AddItem Piece# 10",
    "    Message \"Il reste %g secondes\", minuteur",
    "  elseif Quete#.stage == 10",
    "    SetStage Quete# 20",
    "  else",
    "    set minuteur to minuteur - GetSecondsPassed * 2.5",
    "  endif",
    "  if player.GetAV Strenght > 50",
    "    player.AddSpell Sort#",
    "  elseif player.HasMagicEffect FIDG",
    "    set Quete#.ivresse to Quete#.ivresse + 1",
    "  endif",
    "  SetStage Quete# x",
    "  Coffre#.AddItem Gold001 -5",
    "  PlaceAtMe Chope#, 1, 256.5, 0",
    "  StartCombat\tGarde#",
    "  danser#",
    "  Message Bonjour tout le monde",
    "  Message \"Fin de la quete",
    "  if ( compteur == 2",
    "    Return",
    "  endif",
    "  set compteur to player.GetIsSex Male",
    "  Garde#.SetPos x 128.5",
    "  Garde#.MoveTo Marqueur#",
    "  Porte#.Lock 50",
    "  Garde#.SetLevel 10",
    "  Garde#.ForceAV Health 100",
    "  ModPCMiscStat 3 1",
    "  Garde#.SayTo player Sujet#",
    "  Garde#.StartConversation player Salut#",
    "  Tour#.Cast Sort# player",
    "  Garde#.PlayGroup Forward 1",
    "  Porte#.Activate player 1",
    "  MessageBox \"Une chambre pour %g pieces ?\", compteur, \"Oui\", \"Non\"",
    "  set minuteur to Pow 2 3",
    "  con_SetHDRParam 1 2 3 4 5",
    "  Garde#.ModAV Strenght 5",
    "  set cible to GetSelf",
    "  if GetStageDone Quete# 10 == 1",
    "    PositionCell 0 0 0 0 Cellule#",
    "  elseif GetInCell Cellule#",
    "    Garde#.Flee",
    "  endif",
    "  set compteur to GetFactionRankDifference Faction# Garde#",
    "  set compteur to GetItemCount Lingot#",
    "  set compteur to Garde#.GetAngle z + Garde#.GetPos y",
    "  Garde#.EquipItem Epee# 1",
    "  Garde#.PlaySound3D Son#",
    "  set _cache# to 1",
    "  SetActorFullName \"Garde # le brave\" Garde#",
    "  set compteur to Garde#.GetActorValue Agility + ( 3 * GetRandomPercent",
    "  Garde#.AddTopic",
    "  StreamMusic Musique#",
    "  set cible.compteur to 4 \"a\"",
    "  player.AddItem",
    "  Porte#.Lock abc",
    "  Garde#.SetPos w 10",
    "  set compteur to player.GetIsSex Autre",
    "  Garde#.SetAV Charisme 10",
    "  Message \"%g et %g\", compteur",
    "  SetStage",
        "  con_SetGamma 1.5",
        "  if compteur ==",
    "  endif",
    "  Garde#.Rotate q 10",
    "  TapKey 3",
    "  Garde#.Danse#",
    "  set compteur",
    "  MessageBox",
    "  Garde#.Cast Sort#",
    "  Garde#.AddItem Piece# 1 2",
    "  SetStage Quete# 10 20",
    "  Garde#.ModAV",
    "  Garde#.con_HairTint 10 20 30",
    "  set minuteur to GetObjectValue Lingot#",
    "  if IsCellOwner Cellule# Garde#",
    "    EssentialDeathReload \"Vous etes mort\"",
    "  endif",
    "  Garde#.ModDisposition player 5",
    "  ModFactionReaction Faction# Faction1 10",
    "  con_ModWaterShader \"Reflet\" 0.5",
    "  set compteur to CSize",
    "  Garde#.SetScale 1.5",
    "  set compteur to Garde#.GetCrimeKnown 1 player Garde#",
    "  Garde#.pme Effet# Garde#",
    "end",
};

// Blocks of other kinds: they make the script one of several kinds.
const Modele kBlocEffet = {
    "Begin ScriptEffectStart",
    "  Activate",
    "  Garde#.Dispell Sort#",
    "  Message \"Effet %.2f\", ScriptEffectElapsedSeconds",
    "end",
};
const Modele kBlocObjet = {
    "Begin OnAdd player",
    "  set compteur to compteur + GetCurrentTime",
    "  Coffre#.RemoveItem Piece# 1",
    "  RemoveMe Coffre#",
    "end",
};

// One block of the typical script: 28 lines of ordinary quest code.
const Modele kBlocTypique = {
    "begin GameMode",
    "  ; etape # de la quete",
    "  if ( etape == # ) && ( player.GetItemCount Lettre# >= 1 )",
    "    set etape to etape + 1",
    "    player.RemoveItem Lettre# 1",
    "    Message \"Vous avez remis la lettre %g\", etape",
    "    AddTopic Rumeur#",
    "    SetStage TaverneQuete 20",
    "  elseif etape == 12",
    "    set minuteur to minuteur + GetSecondsPassed",
    "    if minuteur > 30",
    "      set minuteur to 0",
    "      Aubergiste.StartConversation player Salut#",
    "    endif",
    "  else",
    "    MessageBox \"Voulez-vous une chambre ?\", \"Oui\", \"Non\"",
    "  endif",
    "  if GetButtonPressed == 0",
    "    player.AddItem Gold001 10",
    "    Aubergiste.Say Bonjour 1",
    "  endif",
    "  if player.GetDistance Coffre# < 200",
    "    Coffre#.Activate player",
    "    set cible to GetSelf",
    "  endif",
    "  set pieces to player.GetItemCount Gold001",
    "  Aubergiste.SetAV Aggression 60",
    "end",
};

void ajouterBloc(std::vector<std::string>& lignes, const Modele& m, int numero) {
  const std::string n = std::to_string(numero);
  for (std::string_view modele : m) {
    std::string l;
    for (char c : modele) {
      if (c == '#') l += n;
      else l += c;
    }
    lignes.push_back(std::move(l));
  }
}

std::string joindre(const std::vector<std::string>& lignes) {
  std::string s;
  for (size_t i = 0; i < lignes.size(); ++i) {
    if (i > 0) s += '\n';
    s += lignes[i];
  }
  return s;
}

// Comment lines up to `total` lines, then the text.
std::string completer(std::vector<std::string> lignes, int total) {
  while (static_cast<int>(lignes.size()) < total)
    lignes.push_back("; remplissage " + std::to_string(lignes.size() + 1));
  lignes.resize(total);
  return joindre(lignes);
}

}  // namespace

std::string scriptStress(int lignes) {
  std::vector<std::string> l = {"; script de mesure : toutes les constructions, beaucoup de fautes", "scn BenchStress",
                                "short compteur", "float minuteur", "ref cible", "long grand", "short _secret"};
  // One declared variable per 25 lines, a few of them faulty.
  for (int i = 0; i < lignes / 25; ++i) {
    const char* type = i % 4 == 0 ? "short " : i % 4 == 1 ? "float " : i % 4 == 2 ? "ref " : "long ";
    l.push_back(std::string(type) + "variable" + std::to_string(i) + (i % 10 == 9 ? " 3" : ""));
  }
  int numero = 0;
  auto place = [&](const Modele& m) { return static_cast<int>(l.size() + m.size()) <= lignes; };
  while (place(kBlocStress)) {
    ajouterBloc(l, kBlocStress, numero);
    if (numero % 4 == 1 && place(kBlocEffet)) ajouterBloc(l, kBlocEffet, numero);
    if (numero % 4 == 3 && place(kBlocObjet)) ajouterBloc(l, kBlocObjet, numero);
    ++numero;
  }
  return completer(std::move(l), lignes);
}

std::string scriptTypique() {
  std::vector<std::string> l = {"; la quete de la taverne", "ScriptName TaverneQuete", "short etape", "short pieces",
                                "float minuteur", "ref cible", ""};
  int numero = 0;
  while (l.size() + kBlocTypique.size() <= 295) ajouterBloc(l, kBlocTypique, numero++);
  // The handful of faults of a script in progress, inside the blocks (from the last, so that the places hold).
  l.insert(l.begin() + 210, "    SetStage TaverneQuete x");
  l.insert(l.begin() + 150, "    Message \"Vous avez remis la lettre %g, etape");
  l.insert(l.begin() + 98, "  danser");
  l.insert(l.begin() + 41, "\tplayer.AddSpell\tBouleDeFeu");
  l.insert(l.begin() + 40, "  set pieces to player.GetAV Strenght");
  return completer(std::move(l), 300);
}

}  // namespace quillomat::bench
