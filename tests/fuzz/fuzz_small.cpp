// Small text on arbitrary UTF-8: DrawSmallText, DrawSmallGlyphs, ToFullWidth of
// every character and StripSpaces. Every small character is 16 wide except the
// full stop, which takes no room, so an advance is a whole number of cells.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "tests/fuzz/fuzz_support.h"
#include "typeset/typeset.h"

namespace mebuki::fuzz {
namespace {

bool WholeCells(float advance) { return advance >= 0 && std::fmod(advance, 16.0f) == 0; }

}  // namespace
}  // namespace mebuki::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mebuki;
  using namespace mebuki::fuzz;
  const std::string_view input = Input(data, size);
  Engine e;
  State& s = e.s;

  s.TextX = 96;
  s.TextY = 666;
  s.TextLine = std::string(input);
  DrawSmallText(s);
  FUZZ_CHECK(s.TextLine.empty());
  FUZZ_CHECK(s.TextY == 666);
  FUZZ_CHECK(WholeCells(s.TextX - 96));
  CheckSymbolTexts(e.host);
  e.host.ops.clear();

  s.ExponentPending = 0;
  s.TextX = 1056;
  const float end = DrawSmallGlyphs(s, input);
  FUZZ_CHECK(s.TextX == 1056 && s.TextY == 666);
  FUZZ_CHECK(WholeCells(end - 1056));
  CheckSymbolTexts(e.host);
  e.host.ops.clear();

  for (const std::string& ch : Characters(input)) {
    const std::string full = ToFullWidth(ch);
    FUZZ_CHECK(CharacterCount(full) == 1 && WellFormed(full));
    FUZZ_CHECK(ToFullWidth(full) == full);  // a full-width form is not converted again
  }

  const std::string stripped = StripSpaces(input);
  size_t blanks = 0;
  for (char c : input) blanks += c == ' ';
  FUZZ_CHECK(stripped.find(' ') == std::string::npos);
  FUZZ_CHECK(stripped.size() == input.size() - blanks);
  return 0;
}
