// The messages read from the client, handed from the thread that reads
// standard input to the thread that answers. The reader never stops to wait
// for a check, and the answering side sees whether more messages are
// waiting, so that it checks a document once after a burst of changes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

#include "lsp/framing.hpp"

namespace quillomat::lsp {

class FileDEntree {
 public:
  // Blocks while the waiting messages hold more than kOctetsMax bytes, so
  // that a client much faster than the checks cannot fill the memory.
  void pousser(Trame t);
  // The input has ended (or failed): no message will come after those waiting.
  void fermer();
  // The next message; nothing once the input has ended and all were taken.
  std::optional<Trame> attendre();
  bool vide();

  static constexpr size_t kOctetsMax = size_t{32} << 20;

 private:
  std::mutex mutex_;
  std::condition_variable arrivee_, place_;
  std::deque<Trame> trames_;
  size_t octets_ = 0;
  bool fermee_ = false;
};

// Reads standard input to its end, cutting it into messages; run on a thread
// of its own.
void lireLEntree(FileDEntree& file);

}  // namespace quillomat::lsp
