// Markup text on arbitrary UTF-8: DrawMarkupText and MeasureMarkupText at a few
// pen points, first from a fresh state, then with the typesetting flags preset
// from the first byte (as inside a fraction or under an open radical) on the
// rest. Measuring draws nothing and gives exactly the advance drawing gives.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_support.h"
#include "typeset/typeset.h"

namespace mebuki::fuzz {
namespace {

struct Position {
  float x, y;
};
// The page corner, the entry box and a point off the page. Three are enough: a
// layout does not depend on where it starts, and each pass copies the rest of
// the line per character, which is slow under the sanitizers for long inputs.
constexpr Position kPositions[] = {{0, 0}, {1056, 648}, {-40, 1800}};

struct Flags {
  int inFraction = 0, overlineMode = 0, exponentPending = 0, raisedPending = 0;
};

Flags FlagsFrom(unsigned char byte) {
  constexpr int kOverlineModes[] = {0, 1, 11, 22};
  return {byte & 1, kOverlineModes[(byte >> 1) & 3], (byte >> 3) & 1, (byte >> 4) & 1};
}

void Preset(State& s, const Flags& f, float x) {
  s.InFraction = f.inFraction;
  s.OverlineMode = f.overlineMode;
  s.OverlineStartX = x;
  s.ExponentPending = f.exponentPending;
  s.RaisedPending = f.raisedPending;
}

void MeasureThenDraw(Engine& e, std::string_view text, const Flags& flags, Position at) {
  State& s = e.s;
  s.PenWidth = 3;
  s.TextX = at.x;
  s.TextY = at.y;
  s.TextLine = "kept";
  Preset(s, flags, 0);
  const size_t opsBefore = e.host.ops.size();
  const float width = MeasureMarkupText(s, text);
  FUZZ_CHECK(e.host.ops.size() == opsBefore);
  FUZZ_CHECK(s.Measuring == 0);
  FUZZ_CHECK(s.TextX == at.x && s.TextY == at.y && s.TextLine == "kept");

  Preset(s, flags, at.x);
  s.TextLine = std::string(text);
  DrawMarkupText(s);
  FUZZ_CHECK(s.TextLine.empty());
  FUZZ_CHECK(s.TextY == at.y);
  FUZZ_CHECK(s.PenWidth == 3);
  FUZZ_CHECK(s.TextX - at.x == width);
  CheckSymbolTexts(e.host);
  e.host.ops.clear();
}

}  // namespace
}  // namespace mebuki::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mebuki::fuzz;
  const std::string_view input = Input(data, size);
  Engine e;
  for (const Position& at : kPositions) MeasureThenDraw(e, input, Flags{}, at);
  if (!input.empty()) {
    const Flags preset = FlagsFrom(static_cast<unsigned char>(input[0]));
    for (const Position& at : kPositions) MeasureThenDraw(e, input.substr(1), preset, at);
  }
  return 0;
}
