#include "pipeline/tri_info.hpp"

#include <array>
#include <cstdint>
#include <initializer_list>

#include "pipeline/ascii.hpp"
#include "pipeline/fatal_stop.hpp"

namespace quillomat {
namespace {

// Computed at compile time: the table then lies in the program's read-only
// data instead of being built in fresh memory by every run.
using Matrice = std::array<std::array<int8_t, 100>, 100>;

struct Plage {
  int de, a;
};

struct Raffinement {
  int existant;
  std::initializer_list<Plage> unPour;    // entries set to 1
  std::initializer_list<int> trenteEtUn;  // entries set to 31
};

constexpr Matrice construireMatrice() {
  Matrice m{};
  for (int r = 0; r < 100; ++r)
    for (int c = 0; c < 100; ++c) m[r][c] = r == c ? 1 : -1;

  const Raffinement table[] = {
      {3, {{10, 16}, {19, 19}, {30, 47}}, {66}},
      {4, {{0, 3}}, {}},
      {8, {{3, 3}, {10, 16}, {19, 19}, {30, 47}}, {66}},
      {9, {{0, 3}, {5, 8}, {10, 16}, {19, 19}, {30, 47}, {70, 71}}, {66}},
      {10, {{15, 15}, {30, 31}, {41, 42}, {46, 46}}, {66}},
      {11, {{14, 14}, {16, 16}, {32, 38}, {40, 40}, {43, 44}, {47, 47}}, {}},
      {12, {{13, 16}, {30, 47}}, {66}},
      {13, {{15, 15}, {30, 31}, {41, 42}, {46, 46}}, {66}},
      {14, {{16, 16}, {32, 40}, {43, 44}, {47, 47}}, {}},
      {15, {{30, 31}, {46, 46}}, {66}},
      {16, {{32, 37}, {39, 39}, {43, 44}, {47, 47}}, {}},
      {19, {{10, 16}, {30, 47}, {51, 51}}, {66, 96, 99}},
      {66, {{30, 31}, {91, 91}}, {10, 12, 13, 15, 19}},
  };
  for (const auto& r : table) {
    for (Plage p : r.unPour)
      for (int c = p.de; c <= p.a; ++c) m[r.existant][c] = 1;
    for (int c : r.trenteEtUn) m[r.existant][c] = 31;
  }
  m[96][99] = 0;
  m[99][96] = 0;
  // The reverse of a refinement (and the diagonal) keeps the existing kind.
  for (int c = 0; c < 100; ++c)
    for (int r = 0; r < 100; ++r)
      if (m[c][r] == 1) m[r][c] = 0;
  return m;
}

constexpr Matrice kMatrice = construireMatrice();

bool dansPlage(int k, int de, int a) { return k >= de && k <= a; }

std::string couperNom(std::string_view name) {
  name = jusquAuNul(name);
  return std::string(name.substr(0, std::min(name.size(), kNomMax)));
}

}  // namespace

int matriceFusion(int existant, int nouveau) {
  if (!dansPlage(existant, 0, 99) || !dansPlage(nouveau, 0, 99)) return -1;
  return kMatrice[existant][nouveau];
}

int fusionnerKinds(int e, int n) {
  int t = e;
  if (matriceFusion(t, n) > 1) t = matriceFusion(t, n);
  if (matriceFusion(t, n) == 1) t = n;
  if (matriceFusion(t, n) == -1) t = kKindErrone;
  return t;
}

void triInfo(WorkFiles& wf, IdentifierRecord record) {
  wf.exiger(WorkFile::Identifiers, "MainTriInfo");
  record.name = couperNom(record.name);
  const int n = record.kind;
  for (size_t i : wf.identifiers.avecNom(enMinuscules(record.name))) {
    const int e = wf.identifiers.records()[i].kind;
    if (e < 0) return;
    const int t = fusionnerKinds(e, n);
    const bool externeSeul = dansPlage(n, 25, 29) != dansPlage(t, 25, 29);
    const bool queteSeule = (n == 51) != (t == 51);
    if (externeSeul || queteSeule) continue;
    wf.identifiers.reecrire(i, t, record.name);
    return;
  }
  wf.identifiers.ajouter(std::move(record));
}

void triInfoExterne(WorkFiles& wf, AttachmentRecord record) {
  wf.exiger(WorkFile::Attachments, "MainTriInfo");
  record.variable = enMinuscules(couperNom(record.variable));
  record.object = enMinuscules(couperNom(record.object));
  for (const auto& a : wf.attachments)
    if (a.variable == record.variable && a.object == record.object) return;
  wf.attachments.push_back(std::move(record));
}

}  // namespace quillomat
