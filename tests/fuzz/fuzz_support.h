// Shared by the fuzz targets: a fresh engine state over a recording host, and
// the checks that end a run the way a crash does, so that libFuzzer keeps the
// input. A RuntimeError (an out-of-table index) is never caught here: it leaves
// LLVMFuzzerTestOneInput and libFuzzer reports it as an uncaught exception.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "platform/recording_host.h"
#include "shell/state.h"

namespace mebuki::fuzz {

// Longer inputs are cut: RecordingHost keeps every operation of a run.
inline constexpr size_t kMaxInput = 4096;

inline std::string_view Input(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size < kMaxInput ? size : kMaxInput};
}

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
  std::abort();
}

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::mebuki::fuzz::Fail(#condition, __FILE__, __LINE__))

struct Engine {
  explicit Engine(std::string keys = "") : host(std::move(keys)) { s.host = &host; }
  RecordingHost host;
  State s;
};

// True if text is made of whole UTF-8 sequences (a lead byte and its
// continuation bytes), the way the canvas and the trace file expect it.
inline bool WellFormed(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t n = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > text.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

// Every text that reached the host is well-formed: malformed input bytes are
// shown as U+FFFD, never passed on.
inline void CheckSymbolTexts(const RecordingHost& host) {
  for (const Op& op : host.ops) {
    if (const auto* symbol = std::get_if<SymbolOp>(&op)) FUZZ_CHECK(WellFormed(symbol->text));
  }
}

}  // namespace mebuki::fuzz
