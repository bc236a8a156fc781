// Short constructors for catalogue rows, so that each table reads as its list
// of names: one helper per signature shape, arguments in the order of the row.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <utility>

#include "functions/catalogue.hpp"
#include "functions/checkers.hpp"

namespace quillomat::rows {

constexpr Row seule(std::string_view n) { return {strReturnFonctionSeule, n}; }
constexpr Row optCall(int callerKind, std::string_view n) { return {synDetectFonctionSeule_OptCall, n, callerKind}; }
constexpr Row foncId(int callerKind, int idKind, std::string_view n) {
  return {strReturnFoncID, n, callerKind, idKind};
}
constexpr Row sansApp(int idKind, std::string_view n) { return {strReturnFoncID_sansApp, n, 0, idKind, 0, 0}; }
constexpr Row nonDocumentee(std::string_view n) { return {strAlerteNonDocumentee, n}; }
constexpr Row valInt(int negative, std::string_view n) {
  return {strReturnFoncValInt, n, 0, 0, 0, 0, negative};
}
constexpr Row valFloat(int negative, std::string_view n) {
  return {strReturnFoncValFloat, n, 0, 0, 0, 0, negative};
}
constexpr Row val(int callerKind, std::string_view n) { return {strReturnFoncVal, n, callerKind}; }
constexpr Row valFloatApp(int callerKind, std::string_view n) { return {strFoncValFloatApp, n, callerKind}; }
constexpr Row idShort(int callerKind, int idKind, int callerAllowed, std::string_view n) {
  return {strFoncID_optShort_choiceApp, n, callerKind, idKind, 0, callerAllowed};
}
constexpr Row idInt(int callerKind, int idKind, int callerAllowed, std::string_view n) {
  return {strFoncIDintApp, n, callerKind, idKind, 0, callerAllowed};
}
constexpr Row idId(int callerKind, int idKind, int idKind2, int callerAllowed, std::string_view n) {
  return {strFoncIDIDApp, n, callerKind, idKind, idKind2, callerAllowed};
}
constexpr Row optId(int callerKind, int idKind, int callerAllowed, std::string_view n) {
  return {strFonc_optID_choiceApp, n, callerKind, idKind, 0, callerAllowed};
}
constexpr Row optShort(int callerKind, std::string_view n) { return {strFonc_optShort_choiceApp, n, callerKind}; }
constexpr Row stat(std::string_view n) { return {strFoncStat_choiceApp, n}; }
constexpr Row statShort(int callerAllowed, std::string_view n) {
  return {strFoncStatShort_choiceApp, n, 0, 0, 0, callerAllowed};
}
constexpr Row sexe(int callerAllowed, std::string_view n) {
  return {strFoncSexe_choiceApp, n, 0, 0, 0, callerAllowed};
}
constexpr Row deuxVal(int callerKind, int callerAllowed, int negative, std::string_view n) {
  return {strFoncDeuxVal, n, callerKind, 0, 0, callerAllowed, negative};
}
constexpr Row troisVal(int callerKind, int callerAllowed, std::string_view n) {
  return {strFoncTroisVal, n, callerKind, 0, 0, callerAllowed};
}
constexpr Row valOptId(int idKind, int callerAllowed, int callerKind, std::string_view n) {
  return {strFoncValOptID, n, callerKind, idKind, 0, callerAllowed};
}
constexpr Row positionCellule(int placeKind, std::string_view n) {
  return {strFoncPositionCellule, n, 0, placeKind};
}
constexpr Row optIdOptShort(int callerKind, int idKind, std::string_view n) {
  return {strFoncOptIDOptShort, n, callerKind, idKind};
}
// The rows of consecutive groups, each row marked with its group, in order;
// N is the number of rows of all the groups. Built at compile time, so that
// the catalogue lies in the program's read-only data and no run builds it.
template <size_t N>
constexpr std::array<Row, N> assemblerGroupes(
    std::initializer_list<std::pair<std::span<const Row>, Group>> groupes) {
  std::array<Row, N> out{};
  size_t i = 0;
  for (const auto& [rows, groupe] : groupes)
    for (Row r : rows) {
      r.group = groupe;
      out[i++] = r;  // past N: not a constant expression, the build fails
    }
  return out;
}

// A row of the script extender's later syntax.
constexpr Row etendu(Row r) {
  r.etendu = true;
  return r;
}
// A later function whose arguments are expressions, from `min` to `max` of them.
constexpr Row expr(int min, int max, std::string_view n) {
  Row r{strFoncExpressions, n};
  r.argsMin = static_cast<uint8_t>(min);
  r.argsMax = static_cast<uint8_t>(max);
  r.etendu = true;
  return r;
}

// A checker without fixed arguments, or a dedicated checker that knows its name.
constexpr Row avec(Checker c, std::string_view n) { return {c, n}; }

}  // namespace quillomat::rows
