#include "platform/keys.h"

#include <string_view>

#include "platform/text.h"

namespace mebuki::keys {

std::optional<std::string> FromTypedText(std::string_view utf8) {
  auto chars = Characters(utf8);
  if (chars.size() != 1) return std::nullopt;
  char32_t cp = CodePoint(chars[0]);
  if (cp >= U'０' && cp <= U'９') return std::string(1, static_cast<char>('0' + (cp - U'０')));
  if (cp == U'－' || cp == U'ー' || cp == U'−') return std::string("-");
  if (cp == U'．' || cp == U'。') return std::string(".");
  if (cp == U'／') return std::string("/");
  return chars[0];
}

std::string DecodeScript(std::string_view arg) {
  std::string out;
  for (size_t i = 0; i < arg.size(); ++i) {
    if (arg[i] != '\\' || i + 1 == arg.size()) {
      out += arg[i];
      continue;
    }
    switch (arg[++i]) {
      case 'n':
      case 'r': out += kEnter; break;
      case 'b': out += kBackspace; break;
      case 'f': out += kClear; break;
      case '\\': out += '\\'; break;
      default: out += '\\'; out += arg[i]; break;
    }
  }
  return out;
}

}  // namespace mebuki::keys
