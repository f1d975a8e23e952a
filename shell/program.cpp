// The command line of both programs: with no arguments a maximised window;
// with --keys a headless run on an offscreen canvas.
#include "shell/program.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/headless_host.h"
#include "platform/keys.h"
#include "platform/trace_host.h"
#include "platform/window_host.h"

namespace mebuki {

namespace {

struct Options {
  std::optional<std::string> keys;  // headless when present
  std::string time;                 // "" for the local time
  std::string trace;
  std::string screenshot;
};

bool IsTimeOfDay(const std::string& t) {
  if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
  for (int i : {0, 1, 3, 4, 6, 7}) {
    if (t[i] < '0' || t[i] > '9') return false;
  }
  return std::stoi(t.substr(0, 2)) < 24 && std::stoi(t.substr(3, 2)) < 60 && std::stoi(t.substr(6, 2)) < 60;
}

// Reads the options; on a bad one prints one line and returns nothing.
std::optional<Options> ParseOptions(int argc, char** argv, const std::string& name) {
  Options o;
  auto fail = [&](const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), what.c_str());
    return std::nullopt;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--keys" || arg == "--time" || arg == "--trace" || arg == "--screenshot") {
      if (!hasValue) return fail("missing value after " + arg);
      const std::string value = argv[++i];
      if (arg == "--keys") {
        o.keys = keys::DecodeScript(value);
      } else if (arg == "--time") {
        if (!IsTimeOfDay(value)) return fail("bad --time value (want HH:MM:SS): " + value);
        o.time = value;
      } else if (arg == "--trace") {
        if (value.empty()) return fail("empty --trace file name");
        o.trace = value;
      } else {
        if (value.empty()) return fail("empty --screenshot file name");
        o.screenshot = value;
      }
    } else {
      return fail("unknown argument: " + arg);
    }
  }
  return o;
}

}  // namespace

int RunProgram(int argc, char** argv, const Unit& unit) {
  const std::string name = unit.program == 1 ? "mebuki1" : "mebuki2";
  std::optional<Options> options = ParseOptions(argc, argv, name);
  if (!options) return 2;

  std::unique_ptr<Host> base;
  if (options->keys) {
    base = std::make_unique<HeadlessHost>(*options->keys, options->time);
  } else {
    try {
      base = std::make_unique<WindowHost>(name, options->time);
    } catch (const std::runtime_error& e) {
      std::fprintf(stderr, "%s: cannot open a window (%s); for a run without a display use --keys KEYS [--screenshot FILE] [--trace FILE]\n",
                   name.c_str(), e.what());
      return 1;
    }
  }
  std::unique_ptr<TraceHost> trace;
  Host* host = base.get();
  if (!options->trace.empty()) {
    trace = std::make_unique<TraceHost>(*base, options->trace);
    if (!trace->ok()) {
      std::fprintf(stderr, "%s: cannot write the trace file %s\n", name.c_str(), options->trace.c_str());
      return 2;
    }
    host = trace.get();
  }

  State s;
  s.host = host;
  int status = 0;
  try {
    StartUp(s, unit);
  } catch (const EndOfRun& end) {
    status = end.status;
  }
  trace.reset();
  if (!options->screenshot.empty() && !base->WritePng(options->screenshot)) {
    std::fprintf(stderr, "%s: cannot write the screenshot %s\n", name.c_str(), options->screenshot.c_str());
    return status == 0 ? 1 : status;
  }
  return status;
}

}  // namespace mebuki
