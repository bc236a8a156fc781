// What each signature checker of the catalogues accepts, told in words: the
// caller and the parameters of a function, for the hover and the completion.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "functions/catalogue.hpp"

namespace quillomat::lsp {

enum class Appelant : uint8_t {
  Aucun,
  Facultatif,
  SelonLigne,  // optional when the row's callerAllowed is 1, refused otherwise
};

inline constexpr int kTypeDeLaLigne = -1;  // the caller kind is the row's
inline constexpr int kSansType = -2;       // a caller of no set kind

struct Signature {
  Checker checker;
  Appelant appelant;
  int typeAppelant;  // a kind, kTypeDeLaLigne or kSansType
  // Latin-1; "%1" and "%2" stand for the types of the row's first and second ID kinds.
  std::string_view parametres;
  bool statistique = false;  // the first parameter is an actor value
};

std::span<const Signature> signatures();
const Signature* signatureDe(Checker c);

// A catalogued function, all its rows taken together.
struct FicheFonction {
  std::string_view nom;  // as the catalogue spells it
  const Row* ligne;      // its first row, in the order of the word list
  bool vlse;             // every row of the name needs the script extender
  bool statistique;      // some row takes an actor value first
};

// The function of that name (any letter case), if the catalogues know it.
std::optional<FicheFonction> ficheDe(std::string_view nom);

// Latin-1 texts of a function's first row: "aucun", "facultatif (PERSONNE)"...;
// the parameters with the ID types filled in.
std::string motsAppelant(const FicheFonction& f);
std::string motsParametres(const FicheFonction& f);

}  // namespace quillomat::lsp
