#include "syntax/variables.hpp"

#include <iterator>

#include "pipeline/ascii.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/tri_info.hpp"
#include "syntax/char_stream.hpp"
#include "syntax/script_type.hpp"

namespace quillomat {
namespace {

int minuscule(int c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

// Compares the keyword with the characters from c on; returns true when every
// letter matched, with c left on the last letter read. A line end is a mismatch.
bool lireMot(CharStream& in, int& c, std::string_view mot) {
  if (minuscule(c) != static_cast<unsigned char>(mot[0])) return false;
  for (size_t k = 1; k < mot.size(); ++k) {
    c = in.lire();
    if (c == '\n' || c == '\r' || minuscule(c) != static_cast<unsigned char>(mot[k])) return false;
  }
  return true;
}

}  // namespace

int classeCaractere(int c) {
  if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ';') return 1;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') return 2;
  if (c >= '0' && c <= '9') return 3;
  if (c == '(' || c == ')' || c == '"') return 4;
  if (c == '=' || c == '<' || c == '>') return 5;
  return 0;
}

void strDetectTest(std::string_view script, std::vector<int>& marks, int lineCount, std::string_view keyword) {
  marks.assign(static_cast<size_t>(lineCount) + 1, 0);
  CharStream in(script);
  for (int i = 0; i <= lineCount; ++i) {
    int c = in.lire();
    while (classeCaractere(c) == 1 && c != ';' && c != '\n' && c != '\r') c = in.lire();
    int mark = 0;
    if (lireMot(in, c, keyword)) {
      c = in.lire();
      mark = (classeCaractere(c) == 1 || c == '(' || c == ',' || c == kFin) ? 1 : 0;
    }
    in.finDeLigne(c);
    marks[static_cast<size_t>(i)] = mark;
  }
}

int strDetectVar(WorkFiles& wf, std::string_view script, int lineCount, std::string_view typeWord) {
  // int is a long; arrays and strings exist only in the later syntax.
  static const int kinds[] = {0, 1, 2, 3, 2, 70, 71};
  static const std::string_view mots[] = {"short", "float", "long", "ref", "int", "array_var", "string_var"};
  int kind = 0;
  for (size_t k = 0; k < std::size(mots); ++k)
    if (mots[k] == typeWord) kind = kinds[k];

  CharStream in(script);
  for (int i = 0; i <= lineCount; ++i) {
    int c = in.lire();
    while (classeCaractere(c) == 1 && c != '\n' && c != '\r') c = in.lire();
    if (!lireMot(in, c, typeWord)) {
      in.finDeLigne(c);
      continue;
    }
    c = in.lire();
    if (c != ' ') {  // a declaration needs a space after its type word
      in.finDeLigne(c);
      continue;
    }
    while (c == ' ') c = in.lire();
    std::string name;
    while (classeCaractere(c) == 2 || (!name.empty() && classeCaractere(c) == 3)) {
      if (name.size() < kNomMax) name += static_cast<char>(c);
      c = in.lire();
    }
    if (!name.empty()) {
      if (typeWord == "float" && enMinuscules(name) == "fquestdelaytime") ajouterMarqueType(wf, 1, i);
      triInfo(wf, IdentifierRecord{kind, name});
    }
    in.finDeLigne(c);
  }
  return 0;
}

int isRef(const WorkFiles& wf, std::string_view name) {
  wf.exiger(WorkFile::Identifiers, "isRef");
  name = jusquAuNul(name);
  const std::string nom = enMinuscules(name.substr(0, std::min(name.size(), kNomMax)));
  for (size_t i : wf.identifiers.avecNom(nom)) {
    const int kind = wf.identifiers.records()[i].kind;
    if (kind == 3 || kind == 8) return 1;
  }
  return 0;
}

}  // namespace quillomat
