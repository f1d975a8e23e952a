// Plain text on arbitrary UTF-8: DrawPlainText and MeasurePlainText at a few pen
// points. Measuring draws nothing and gives exactly the advance drawing gives.
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
constexpr Position kPositions[] = {{0, 0}, {720, 450}, {1400, 880}, {-40, 1800}};

void MeasureThenDraw(Engine& e, std::string_view text, Position at) {
  State& s = e.s;
  s.PenWidth = 3;
  s.TextX = at.x;
  s.TextY = at.y;
  s.TextLine = "kept";
  const size_t opsBefore = e.host.ops.size();
  const float width = MeasurePlainText(s, text);
  FUZZ_CHECK(e.host.ops.size() == opsBefore);
  FUZZ_CHECK(s.Measuring == 0);
  FUZZ_CHECK(s.TextX == at.x && s.TextY == at.y && s.TextLine == "kept");

  s.TextLine = std::string(text);
  DrawPlainText(s);
  FUZZ_CHECK(s.TextLine.empty());
  FUZZ_CHECK(s.TextY == at.y);
  FUZZ_CHECK(s.PenWidth == 3);
  FUZZ_CHECK(s.TextX - at.x == width);
  FUZZ_CHECK(s.Font.size == 16 && !s.Font.bold);
  CheckSymbolTexts(e.host);
  e.host.ops.clear();
}

}  // namespace
}  // namespace mebuki::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mebuki::fuzz;
  const std::string_view input = Input(data, size);
  Engine e;
  for (const Position& at : kPositions) MeasureThenDraw(e, input, at);
  return 0;
}
