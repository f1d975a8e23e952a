// Runs a whole program on the recording host with scripted keys, as the
// headless run does, and answers questions about what it drew.
#pragma once

#include <string>

#include "shell/shell.h"
#include "tests/test_support.h"

namespace mebuki::testing {

// Starts the unit and types keys until none is left (or the program ends);
// returns the exit status the run would have.
inline int RunProgram(Engine& e, const Unit& unit) {
  try {
    StartUp(e.s, unit);
  } catch (const EndOfRun& end) {
    return end.status;
  }
  return 0;
}

// Index in host.ops just after the last key read: what the current step drew.
inline size_t AfterLastKey(const Engine& e) {
  size_t at = 0;
  for (size_t i = 0; i < e.host.ops.size(); ++i) {
    if (std::holds_alternative<KeyOp>(e.host.ops[i])) at = i + 1;
  }
  return at;
}

// Symbols whose text is t, in drawing order.
inline std::vector<SymbolOp> SymbolsWithText(const Engine& e, const std::string& t) {
  std::vector<SymbolOp> out;
  for (const auto& sym : e.Symbols()) {
    if (sym.text == t) out.push_back(sym);
  }
  return out;
}

}  // namespace mebuki::testing
