// Number entry on arbitrary keys: the input is typed key by key (one UTF-8
// character each, malformed bytes as U+FFFD) into ReadNumber, entry after entry,
// until the keys run out. An odd first byte puts a pause (PauseForKey) after
// every entry. An entry never holds more than 10 characters, all of them
// "-", ".", "/" or digits, and its value is a finite number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/shell.h"
#include "tests/fuzz/fuzz_support.h"

namespace mebuki::fuzz {
namespace {

bool IsEntryCharacter(char c) { return c == '-' || c == '.' || c == '/' || (c >= '0' && c <= '9'); }

void CheckEntry(const State& s) {
  FUZZ_CHECK(s.EntryText.size() <= 10);
  for (char c : s.EntryText) FUZZ_CHECK(IsEntryCharacter(c));
  FUZZ_CHECK(std::isfinite(s.EntryValue));
}

}  // namespace
}  // namespace mebuki::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mebuki;
  using namespace mebuki::fuzz;
  const std::string_view input = Input(data, size);
  const bool pauses = !input.empty() && (static_cast<unsigned char>(input[0]) & 1) != 0;
  Engine e{std::string(input)};
  try {
    for (;;) {
      ReadNumber(e.s);
      CheckEntry(e.s);
      if (pauses) {
        PauseForKey(e.s);
        FUZZ_CHECK(!e.s.LastKey.empty());
      }
      CheckSymbolTexts(e.host);
      e.host.ops.clear();
    }
  } catch (const EndOfRun&) {
    // the keys ran out: the run is over
  }
  FUZZ_CHECK(e.host.KeysLeft() == 0);
  CheckSymbolTexts(e.host);
  return 0;
}
