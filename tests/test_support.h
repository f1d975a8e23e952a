// Shared helpers of the tests: a fresh engine state over a recording host, and
// filters over the operations it recorded.
#pragma once

#include <string>
#include <vector>

#include "platform/recording_host.h"
#include "shell/state.h"

namespace mebuki::testing {

struct Engine {
  explicit Engine(std::string keys = "", int program = 1, std::string time = "00:00:00")
      : host(std::move(keys), std::move(time)) {
    s.host = &host;
    s.Program = program;
    s.ProgramTitle = program == 1 ? "Mebuki1" : "Mebuki2";
  }
  RecordingHost host;
  State s;

  template <class T>
  std::vector<T> All() const {
    std::vector<T> out;
    for (const Op& op : host.ops) {
      if (const T* t = std::get_if<T>(&op)) out.push_back(*t);
    }
    return out;
  }
  std::vector<SymbolOp> Symbols() const { return All<SymbolOp>(); }
  std::vector<LineOp> Lines() const { return All<LineOp>(); }
  // The texts of all symbols, joined in drawing order.
  std::string SymbolText() const {
    std::string out;
    for (const auto& sym : Symbols()) out += sym.text;
    return out;
  }
  void Clear() { host.ops.clear(); }
};

}  // namespace mebuki::testing
