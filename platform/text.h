// Characters of lesson texts. The code is UTF-8; one character is one code point.
// A character's byte length is its length in the lessons' original encoding:
// 1 for ASCII and half-width katakana (U+FF61-U+FF9F), 2 for everything else.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mebuki {

// Splits a UTF-8 string into its characters (invalid bytes become U+FFFD).
std::vector<std::string> Characters(std::string_view s);
// Byte length of one character (see above).
int ByteLength(std::string_view ch);
// Code point of the first character.
char32_t CodePoint(std::string_view ch);
// Number of characters.
int CharacterCount(std::string_view s);
// The first character and the rest.
std::string_view FirstCharacter(std::string_view s);

}  // namespace mebuki
