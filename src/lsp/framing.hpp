// The base protocol's framing: each message is a header block ending with an
// empty line, whose Content-Length gives the bytes of the JSON body after it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillomat::lsp {

// A body larger than this is refused (and skipped) rather than held in memory.
inline constexpr size_t kCorpsMax = size_t{64} << 20;
// A header block that does not end within this many bytes is garbage.
inline constexpr size_t kEnTeteMax = 8192;

struct Trame {
  std::string corps;
  bool erreur = false;  // a header block without a usable Content-Length
};

// Cuts a byte stream into message bodies.
class LecteurTrames {
 public:
  void ajouter(std::string_view octets);
  // The next complete body or framing error; nothing until more bytes come.
  // After an error the stream goes on at the next header block.
  std::optional<Trame> suivante();

 private:
  std::string tampon_;
  size_t lu_ = 0;         // bytes of tampon_ already consumed
  size_t aSauter_ = 0;    // bytes of a refused body still to come
  size_t attendus_ = 0;   // length of the body being read
  bool dansCorps_ = false;
  // After a header block without a usable length, the body that may follow
  // has no known end: bytes are dropped up to the next "Content-Length".
  bool resynchro_ = false;
};

// The header block and the body of an outgoing message.
std::string trame(std::string_view corps);

}  // namespace quillomat::lsp
