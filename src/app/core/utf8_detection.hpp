// Telling a UTF-8 file from a Latin-1 one. The game reads Latin-1; a script
// saved as UTF-8 by another editor shows its accents as two characters each
// ("Ã©") when read as Latin-1, so the editor reads such a file as UTF-8.
#pragma once

#include <string_view>

namespace quillomat {

// True when the bytes are well-formed UTF-8 (no overlong form, no surrogate,
// nothing above U+10FFFF) and hold at least one non-ASCII character. Latin-1
// text with accents almost never passes: an accented letter is a lone byte
// from 0xC0 up, which UTF-8 only allows before continuation bytes.
bool estUtf8NonAscii(std::string_view octets);

}  // namespace quillomat
