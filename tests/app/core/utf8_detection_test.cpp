#include <gtest/gtest.h>

#include "app/core/utf8_detection.hpp"

namespace quillomat {
namespace {

TEST(Utf8Detection, TellsUtf8WithAccentsFromLatin1AndAscii) {
  using namespace std::string_view_literals;
  const std::string_view utf8[] = {
      "ScriptName \xC3\xA9t\xC3\xA9\r\n"sv, "\xEF\xBB\xBF" "begin"sv, "\xC2\xA0"sv,
      "\xE2\x82\xAC \xE2\x80\x9C"sv, "\xF0\x9F\x98\x80"sv, "\xF4\x8F\xBF\xBF"sv,
  };
  const std::string_view pasUtf8[] = {
      ""sv, "ScriptName essai\r\nend\0"sv,                     // ASCII only
      "ScriptName \xE9t\xE9"sv, "\xC0 bient\xF4t"sv, "cr\xE9\xE9"sv,  // Latin-1 accents
      "\xC3"sv, "\xE2\x82"sv, "a\x80"sv,                       // cut, lone continuation
      "\xC0\xAF"sv, "\xE0\x80\xAF"sv, "\xF0\x8F\xBF\xBF"sv,     // overlong forms
      "\xED\xA0\x80"sv, "\xF4\x90\x80\x80"sv, "\xF5\x80\x80\x80"sv,  // surrogate, beyond U+10FFFF
      "\xC3\xA9\xE9"sv,                                        // UTF-8 then Latin-1
  };
  for (std::string_view o : utf8) EXPECT_TRUE(estUtf8NonAscii(o)) << o;
  for (std::string_view o : pasUtf8) EXPECT_FALSE(estUtf8NonAscii(o)) << o;
}

}  // namespace
}  // namespace quillomat
