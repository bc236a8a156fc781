// Any sequence of identifier and attachment records through triInfo and
// triInfoExterne: the indexed identifier file must hold exactly what the
// plain record-by-record merge gives, every field stays in its size, and the
// report of the result keeps its shape.
//
// Input: a sequence of operations. Byte 0 of one: even for an identifier, odd
// for an attachment. Identifier: a kind byte (255: a 32-bit kind follows;
// otherwise the byte minus 110, which covers -99, 0 to 99 and kinds outside
// the matrix), a length byte (modulo 64) and the name. Attachment: two
// length-prefixed names.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/ascii.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/tri_info.hpp"
#include "pipeline/work_files.hpp"
#include "pipeline/report_shape.hpp"

namespace {

using namespace quillomat;

[[noreturn]] void faute(const char* quoi) {
  std::fprintf(stderr, "quillomat_fuzz_triinfo : %s\n", quoi);
  std::abort();
}

struct Lecteur {
  std::string_view reste;
  bool fini() const { return reste.empty(); }
  uint8_t octet() {
    if (reste.empty()) return 0;
    const auto b = static_cast<uint8_t>(reste[0]);
    reste.remove_prefix(1);
    return b;
  }
  int32_t entier() {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(octet()) << (8 * i);
    return static_cast<int32_t>(u);
  }
  // Names never hold a blank in a run (blanks end words): they would only
  // break the report's lines here.
  std::string nom() {
    const size_t n = std::min<size_t>(octet() % 64, reste.size());
    std::string s(reste.substr(0, n));
    reste.remove_prefix(n);
    for (char& c : s)
      if (estBlanc(c)) c = '_';
    return s;
  }
};

std::string couper(std::string_view s) {
  s = jusquAuNul(s);
  return std::string(s.substr(0, std::min(s.size(), kNomMax)));
}

bool dans(int k, int de, int a) { return k >= de && k <= a; }

// The merge as its steps read: every record, in file order.
void triInfoModele(std::vector<IdentifierRecord>& fichier, IdentifierRecord r) {
  r.name = couper(r.name);
  const std::string cle = enMinuscules(r.name);
  for (auto& e : fichier) {
    if (enMinuscules(e.name) != cle) continue;
    if (e.kind < 0) return;
    const int t = fusionnerKinds(e.kind, r.kind);
    if (dans(r.kind, 25, 29) != dans(t, 25, 29) || (r.kind == 51) != (t == 51)) continue;
    e = IdentifierRecord{t, r.name};
    return;
  }
  fichier.push_back(std::move(r));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Lecteur in{std::string_view(reinterpret_cast<const char*>(data), size)};
  WorkFiles wf;
  std::vector<IdentifierRecord> modele;
  std::vector<int32_t> kindsDonnes{kKindErrone, 31};
  while (!in.fini()) {
    if (in.octet() % 2 == 0) {
      const uint8_t k = in.octet();
      const int32_t kind = k == 255 ? in.entier() : static_cast<int32_t>(k) - 110;
      IdentifierRecord r{kind, in.nom()};
      kindsDonnes.push_back(kind);
      triInfoModele(modele, r);
      triInfo(wf, std::move(r));
    } else {
      std::string variable = in.nom();
      triInfoExterne(wf, AttachmentRecord{std::move(variable), in.nom()});
    }
  }

  if (wf.identifiers.records() != modele) faute("fusion differente du modele");
  size_t indexes = 0;
  for (size_t i = 0; i < modele.size(); ++i) {
    const auto& r = modele[i];
    if (r.name.size() > kNomMax || r.name.find('\0') != std::string::npos) faute("nom hors champ");
    if (std::find(kindsDonnes.begin(), kindsDonnes.end(), r.kind) == kindsDonnes.end()) faute("genre invente");
    const auto& memes = wf.identifiers.avecNom(enMinuscules(r.name));
    if (std::find(memes.begin(), memes.end(), i) == memes.end()) faute("index sans l'enregistrement");
    indexes += std::count_if(memes.begin(), memes.end(), [&](size_t j) { return j == i; });
  }
  if (indexes != modele.size()) faute("index en double");

  for (size_t i = 0; i < wf.attachments.size(); ++i) {
    const auto& a = wf.attachments[i];
    if (a.variable.size() > kNomMax || a.object.size() > kNomMax) faute("rattachement hors champ");
    if (a.variable != enMinuscules(a.variable) || a.object != enMinuscules(a.object)) faute("majuscule gardee");
    for (size_t j = 0; j < i; ++j)
      if (wf.attachments[j] == a) faute("rattachement en double");
  }

  verifierUnderscore(wf);
  if (!forme::defautDuTexte(composerRapport(wf, 1, 1, 0)).empty()) faute("rapport mal forme");
  return 0;
}
