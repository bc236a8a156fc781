#include "functions/vocabulary.hpp"

#include <span>

#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

constexpr std::string_view kStatistiques[] = {
    "strength", "intelligence", "willpower", "agility", "speed", "endurance", "personality", "luck", "health",
    "magicka", "fatigue", "encumbrance", "armorer", "athletics", "blade", "block", "blunt", "handtohand",
    "heavyarmor", "alchemy", "alteration", "conjuration", "destruction", "illusion", "mysticism", "restoration",
    "acrobatics", "lightarmor", "marksman", "mercantile", "security", "sneak", "speechcraft", "aggression",
    "confidence", "energy", "responsibility", "bounty", "magickamultiplier", "nighteyebonus", "attackbonus",
    "defendbonus", "castingpenalty", "blindness", "chameleon", "invisibility", "paralysis", "silence", "confusion",
    "detectitemrange", "spellabsorbchance", "spellreflectchance", "swimspeedmultiplier", "waterbreathing",
    "waterwalking", "stuntedmagicka", "detectliferange", "reflectdamage", "telekinesis", "resistfire",
    "resistfrost", "resistdisease", "resistmagic", "resistnormalweapons", "resistparalysis", "resistpoison",
    "resistshock", "vampirism", "darkness", "resistwaterdamage",
};
static_assert(std::size(kStatistiques) == 70);

constexpr std::string_view kSexes[] = {"male", "female"};

int dansListe(std::string_view word, std::span<const std::string_view> liste) {
  word = jusquAuNul(word);
  if (word.size() > 49) word = word.substr(0, 49);  // the 50-byte working copy
  const std::string copie = enMinuscules(word);
  for (std::string_view mot : liste)
    if (copie == mot) return 1;
  return 0;
}

}  // namespace

int estStatistique(std::string_view word) { return dansListe(word, kStatistiques); }
std::span<const std::string_view> nomsDesStatistiques() { return kStatistiques; }
int estSexe(std::string_view word) { return dansListe(word, kSexes); }

}  // namespace quillomat
