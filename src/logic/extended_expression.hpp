// Expressions of the script extender's later syntax (let, eval, loop heads,
// SetFunctionValue, arguments): numbers, "strings", variables, ref.variable,
// calls of known functions, call NAME ARGS, and the operators of one
// precedence table. A malformed expression gets one finding that names what
// is wrong.
#pragma once

#include <string_view>
#include <vector>

#include "functions/catalogue.hpp"

namespace quillomat {

// 0: malformed (its finding written); 1: a value; 10: a reference returned by
// a function.
int verifierExpressionEtendue(Context& ctx, std::string_view texte);

// The arguments of a function: expressions one after another, separated by
// blanks or a ','. Returns how many were read, or -1 after a fault (reported).
// `args`, when given, receives the text of each.
int lireArgumentsEtendus(Context& ctx, std::string_view texte, std::vector<std::string_view>* args);

// The target of let: a variable, object.variable, then any number of
// [EXPRESSION] and ->key. Returns the length read (0 when no name starts it,
// nothing reported), or -1 after a fault (reported). `nom` and `objet`
// receive the variable and its object (empty in the plain form).
int lireCibleEtendue(Context& ctx, std::string_view texte, std::string& nom, std::string& objet);

// A declared local variable of the script (short, float, long, ref, int,
// array_var, string_var)?
bool estVariableDeclaree(const Context& ctx, std::string_view nom);

// Kinds of the variables that only the later syntax declares.
inline constexpr int kKindTableau = 70;
inline constexpr int kKindChaine = 71;

}  // namespace quillomat
