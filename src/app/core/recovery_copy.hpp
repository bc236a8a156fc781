// The recovery copy of a document with unsaved changes: a short header (the
// document's file, its name, how its file is written back, when the copy was
// made) then the text. A copy read back is exactly the document written,
// whatever characters it holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillomat {

enum class EncodageCopie { Latin1, Utf8 };

struct CopieRecuperation {
  std::u16string chemin;  // the document's file; empty for a document never saved
  std::u16string nom;     // the window's name: "Quillomat1" or the file's name
  EncodageCopie encodage = EncodageCopie::Latin1;
  bool crlf = true;       // the file's lines end with CR LF
  std::int64_t date = 0;  // when the copy was made, in seconds since 1970 (UTC)
  std::u16string texte;   // '\n' between lines
  bool bom = false;       // a UTF-8 file that begins with a byte order mark
  bool operator==(const CopieRecuperation&) const = default;
};

// The bytes of the copy's file: an ASCII header, an empty line, then the text
// in UTF-8. A text the UTF-16 of the windows holds but UTF-8 cannot (a lone
// surrogate) keeps its code unit in the same three-byte form.
std::string encoderCopie(const CopieRecuperation& copie);
// None for bytes that are not a whole copy (another file, a cut copy).
std::optional<CopieRecuperation> decoderCopie(std::string_view octets);

// The first line of the text that holds more than blanks, without its
// surrounding blanks, cut after `longueur` characters with "…".
std::u16string premiereLigne(std::u16string_view texte, std::size_t longueur = 60);

}  // namespace quillomat
