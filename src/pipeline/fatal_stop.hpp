// A file that a check needs and cannot open ends the check run. The library
// never ends the process itself: it throws, and the command-line checker (or
// the editor) decides what ending means for it.
#pragma once

#include <stdexcept>
#include <string>

namespace quillomat {

class ArretFatal : public std::runtime_error {
 public:
  // message: the text to show, Latin-1, including its two line ends.
  explicit ArretFatal(std::string message) : std::runtime_error(message), message_(std::move(message)) {}
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

// Status of the process after a fatal stop.
inline constexpr int kStatutArretFatal = 1;

// Message of a unit that could not open a file: 'Impossible d'ouvrir le
// fichier "F" depuis le fichier source "U".' and two line ends.
std::string messageFichierImpossible(std::string_view fichier, std::string_view unite);

}  // namespace quillomat
