#include "platform/text.h"

namespace mebuki {

namespace {

// Length in bytes of the UTF-8 sequence at s[i], or 0 when it is malformed.
size_t SequenceLength(std::string_view s, size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  size_t n = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  return n;
}

}  // namespace

std::vector<std::string> Characters(std::string_view s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    size_t n = SequenceLength(s, i);
    if (n == 0) {
      out.emplace_back("\xEF\xBF\xBD");
      ++i;
    } else {
      out.emplace_back(s.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string_view FirstCharacter(std::string_view s) {
  if (s.empty()) return s;
  size_t n = SequenceLength(s, 0);
  return s.substr(0, n == 0 ? 1 : n);
}

char32_t CodePoint(std::string_view ch) {
  if (ch.empty()) return 0;
  size_t n = SequenceLength(ch, 0);
  if (n == 0) return 0xFFFD;
  auto byte = [&](size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(ch[k])); };
  if (n == 1) return byte(0);
  char32_t cp = byte(0) & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (byte(k) & 0x3F);
  return cp;
}

int ByteLength(std::string_view ch) {
  char32_t cp = CodePoint(ch);
  if (cp < 0x80) return 1;
  if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int CharacterCount(std::string_view s) { return static_cast<int>(Characters(s).size()); }

}  // namespace mebuki
