// Small text and number strings. DrawSmallText and DrawSmallGlyphs show
// every character full-width (ToFullWidth) at magnification 1 x 1, 16 apart;
// StripSpaces and NumberString turn numbers into the texts the lessons show.
#include <string>
#include <string_view>
#include <vector>

#include "platform/numbers.h"
#include "platform/text.h"
#include "shell/draw.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

// A conversion table: the character at position p of `from` becomes the
// character at position p of `to` (first match).
struct ConversionTable {
  ConversionTable(std::string_view fromText, std::string_view toText)
      : from(Characters(fromText)), to(Characters(toText)) {}
  // True if g is listed; then g is replaced by its counterpart.
  bool Convert(std::string& g) const {
    for (size_t p = 0; p < from.size() && p < to.size(); ++p) {
      if (from[p] == g) {
        g = to[p];
        return true;
      }
    }
    return false;
  }
  std::vector<std::string> from, to;
};

// Step 1: the blank and the capital letters ("A" becomes the Greek capital alpha).
const ConversionTable& LetterTable() {
  static const ConversionTable table(" XYABCDEFGHIJKLMNOPQRSTUVWZ",
                                     "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ");
  return table;
}

// Step 2: digits, symbols and lower-case letters ("x" becomes the Greek chi, "z"
// is not listed).
const ConversionTable& SymbolTable() {
  static const ConversionTable table(
      " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:",
      "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：");
  return table;
}

constexpr std::string_view kFullStop = "．";

}  // namespace

std::string StripSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char byte : text) {
    if (byte != ' ') out.push_back(byte);
  }
  return out;
}

std::string ToFullWidth(std::string_view ch) {
  std::string g(ch);
  LetterTable().Convert(g);
  SymbolTable().Convert(g);  // a character converted above is full-width and not listed here
  return g;
}

std::string NumberString(float value) { return StripSpaces(NumberText(value)); }

float DrawSmallGlyphs(State& s, std::string_view text) {
  const std::string stripped = StripSpaces(text);
  float x = s.TextX;
  SetFontBold(s, true);
  for (std::string g : Characters(stripped)) {
    if (g == "^") {
      s.ExponentPending = 1;
      continue;
    }
    if (s.ExponentPending == 1) {
      s.ExponentPending = 0;  // an exponent is shown as typed
    } else {
      g = ToFullWidth(g);
    }
    const float d = ByteLength(g) == 1 ? 4 : 0;  // a half-width character sits higher
    if (g == kFullStop) x -= 4;
    Symbol(s, x, s.TextY - d, g, 1, 1, s.TextColour);
    if (g == kFullStop) x -= 12;  // the full stop takes no room
    x += 16;
  }
  return x;
}

void DrawSmallText(State& s) {
  while (!s.TextLine.empty()) {
    const std::string c(FirstCharacter(s.TextLine));
    s.TextLine.erase(0, c.size());
    if (c == "^") {
      s.ExponentPending = 1;
    } else {
      s.TextX = DrawSmallGlyphs(s, c);
    }
  }
}

namespace {

void SetText(State& s, int colour, float x, float y, std::string_view text) {
  s.TextColour = colour;
  s.TextX = x;
  s.TextY = y;
  s.TextLine = std::string(text);
}

}  // namespace

void DrawMarkupAt(State& s, int colour, float x, float y, std::string_view text) {
  SetText(s, colour, x, y, text);
  DrawMarkupText(s);
}

void DrawPlainAt(State& s, int colour, float x, float y, std::string_view text) {
  SetText(s, colour, x, y, text);
  DrawPlainText(s);
}

void DrawSmallAt(State& s, int colour, float x, float y, std::string_view text) {
  SetText(s, colour, x, y, text);
  DrawSmallText(s);
}

}  // namespace mebuki
