// The command line of both programs: with no arguments a maximised window;
// with --keys a headless run on an offscreen canvas.
#include "shell/program.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include <cstdlib>
#include <ctime>

#include "platform/abrupt_end.h"
#include "platform/hosts.h"
#include "platform/keys.h"
#include "platform/output_file.h"
#include "platform/trace_host.h"
#include "shell/step_timer.h"
#include "shell/walk.h"

namespace mebuki {

namespace {

struct Options {
  std::optional<std::string> keys;  // headless when present
  std::string time;                 // "" for the local time
  std::string trace;
  std::string screenshot;
  std::string stepTimes;            // one JSON line per key read: the time of each step
  bool walk = false;                // visit every page, headless
  std::string exportTo;             // FILE.pdf or DIR/: every finished page (implies the walk)
  double scale = 1;                 // headless canvas at this many times 1440 x 900
  bool help = false;                // print the usage and end
  bool version = false;             // print the name and version and end
  bool Headless() const { return keys || walk; }
};

// A scale such as "1", "1.5" or "4/3".
std::optional<double> ParseScale(const std::string& text) {
  const size_t slash = text.find('/');
  char* end = nullptr;
  const std::string a = text.substr(0, slash);
  double value = std::strtod(a.c_str(), &end);
  if (a.empty() || *end != '\0') return std::nullopt;
  if (slash != std::string::npos) {
    const std::string b = text.substr(slash + 1);
    const double d = std::strtod(b.c_str(), &end);
    if (b.empty() || *end != '\0' || d == 0) return std::nullopt;
    value /= d;
  }
  if (!(value >= 0.1 && value <= 8)) return std::nullopt;
  return value;
}

// Today's date at the given time of day, for the metadata of exports.
std::string DateTime(const std::string& timeOfDay) {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &tm);
  return std::string(date) + "T" + (timeOfDay.empty() ? LocalTime() : timeOfDay);
}

bool IsTimeOfDay(const std::string& t) {
  if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
  for (int i : {0, 1, 3, 4, 6, 7}) {
    if (t[i] < '0' || t[i] > '9') return false;
  }
  return std::stoi(t.substr(0, 2)) < 24 && std::stoi(t.substr(3, 2)) < 60 && std::stoi(t.substr(6, 2)) < 60;
}

// Every option on one line, and the exit statuses, for --help.
void PrintUsage(const std::string& name) {
  std::printf(
      "Usage: %s [OPTION]...\n"
      "With no option, opens the lessons in a maximised window; with --keys, --walk or\n"
      "--export, runs headless on an offscreen canvas.\n"
      "\n"
      "  --keys TEXT        type TEXT headless (\\n Enter, \\b Backspace, \\f clear, \\\\ backslash)\n"
      "  --walk             visit every page of every section headless, then end\n"
      "  --export TARGET    write every finished page to FILE.pdf, or as PNGs into DIR/\n"
      "  --time HH:MM:SS    fix the time of day that seeds the random pages\n"
      "  --trace FILE       write every drawing call and key to FILE as JSON lines\n"
      "  --screenshot FILE  write the picture as a PNG when the run ends\n"
      "  --scale F          draw the headless picture at F times 1440x900 (such as 4/3)\n"
      "  --step-times FILE  write the time of each step to FILE as JSON lines\n"
      "  --help             show this help and end\n"
      "  --version          show the program's name and version and end\n"
      "\n"
      "Exit status: 0 normal end, 1 no display or an output not written,\n"
      "2 bad command line, 3 a run-time error ended a headless run.\n",
      name.c_str());
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
    if (arg == "--help" || arg == "-h") {
      o.help = true;
      return o;
    } else if (arg == "--version") {
      o.version = true;
      return o;
    } else if (arg == "--walk") {
      o.walk = true;
    } else if (arg == "--keys" || arg == "--time" || arg == "--trace" || arg == "--screenshot" || arg == "--export" ||
               arg == "--scale" || arg == "--step-times") {
      if (!hasValue) return fail("missing value after " + arg);
      const std::string value = argv[++i];
      if (arg == "--keys") {
        o.keys = keys::DecodeScript(value);
      } else if (arg == "--time") {
        if (!IsTimeOfDay(value)) return fail("bad --time value (want HH:MM:SS): " + value);
        o.time = value;
      } else if (arg == "--export") {
        if (value.empty()) return fail("empty --export target (want FILE.pdf or DIR/)");
        o.exportTo = value;
        o.walk = true;
      } else if (arg == "--scale") {
        auto scale = ParseScale(value);
        if (!scale) return fail("bad --scale value (want a number from 0.1 to 8, such as 1 or 4/3): " + value);
        o.scale = *scale;
      } else if (arg == "--step-times") {
        if (value.empty()) return fail("empty --step-times file name");
        o.stepTimes = value;
      } else if (arg == "--trace") {
        if (value.empty()) return fail("empty --trace file name");
        o.trace = value;
      } else {
        if (value.empty()) return fail("empty --screenshot file name");
        o.screenshot = value;
      }
    } else {
      return fail("unknown argument: " + arg + " (" + name + " --help lists the options)");
    }
  }
  if (o.walk && o.keys) return fail("--walk and --export answer every key themselves; leave out --keys");
  return o;
}

}  // namespace

int RunProgram(int argc, char** argv, const Unit& unit) {
  const std::string name = unit.program == 1 ? "mebuki1" : "mebuki2";
  std::optional<Options> options = ParseOptions(argc, argv, name);
  if (!options) return 2;
  if (options->help) {
    PrintUsage(name);
    return 0;
  }
  if (options->version) {
    std::printf("%s %s\n", name.c_str(), MEBUKI_VERSION);
    return 0;
  }

  for (const std::string& warning : MissingFontWarnings()) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), warning.c_str());
  }

  // Ctrl+C, SIGTERM or a closed terminal end the run at once, and no output is
  // left half written.
  EndOnTerminationSignals();
  auto cannotWrite = [&](const char* what, const std::string& path, const std::string& reason) {
    std::fprintf(stderr, "%s: cannot write the %s %s: %s\n", name.c_str(), what, path.c_str(), reason.c_str());
  };
  // Outputs whose folder is missing or closed, or whose path is a folder, fail
  // before the lesson starts, not at its end.
  for (const auto& [what, path] : {std::pair<const char*, const std::string&>{"trace file", options->trace},
                                   {"step times", options->stepTimes}}) {
    if (path.empty()) continue;
    if (OutputFile check(path); !check.ok()) {
      cannotWrite(what, path, check.error());
      return 2;
    }
  }
  std::unique_ptr<OutputFile> screenshot;
  if (!options->screenshot.empty()) {
    screenshot = std::make_unique<OutputFile>(options->screenshot);
    if (!screenshot->ok()) {
      cannotWrite("screenshot", options->screenshot, screenshot->error());
      return 2;
    }
  }

  std::unique_ptr<Host> base;
  try {
    base = MakeBaseHost({name, options->keys, options->walk, options->time, options->scale});
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr,
                 "%s: no display to open the window on (%s); without a display, run with --keys KEYS "
                 "[--screenshot FILE] [--trace FILE], --walk or --export FILE.pdf|DIR/\n",
                 name.c_str(), e.what());
    return 1;
  }
  State s;
  Host* host = base.get();
  std::unique_ptr<PageExporter> exporter;
  if (!options->exportTo.empty()) {
    exporter = MakePageExporter(*base, options->exportTo, DateTime(options->time));
    if (!exporter) {
      cannotWrite("export", options->exportTo, "this build cannot export");
      return 2;
    }
    if (!exporter->ok()) {
      cannotWrite("export", options->exportTo, exporter->error());
      return 2;
    }
    host = exporter.get();
  }
  std::unique_ptr<WalkHost> walker;
  if (options->walk) {
    walker = std::make_unique<WalkHost>(*host, s);
    host = walker.get();
  }
  std::unique_ptr<TraceHost> trace;
  if (!options->trace.empty()) {
    trace = std::make_unique<TraceHost>(*host, options->trace);
    if (!trace->ok()) {
      cannotWrite("trace file", options->trace, trace->error());
      return 2;
    }
    host = trace.get();
  }
  std::unique_ptr<StepTimer> timer;
  if (!options->stepTimes.empty()) {
    timer = std::make_unique<StepTimer>(*host, s, options->stepTimes);
    if (!timer->ok()) {
      cannotWrite("step times", options->stepTimes, timer->error());
      return 2;
    }
    host = timer.get();
  }

  s.host = host;
  int status = 0;
  try {
    StartUp(s, unit);
  } catch (const EndOfRun& end) {
    status = end.status;
  }
  // Each output takes its name only now, complete; one that failed on the way
  // is named with the reason, and the run does not end as a success.
  bool written = true;
  if (trace && !trace->Commit()) {
    cannotWrite("trace file", options->trace, trace->error());
    written = false;
  }
  if (timer && !timer->Commit()) {
    cannotWrite("step times", options->stepTimes, timer->error());
    written = false;
  }
  if (exporter && !exporter->Finish()) {
    cannotWrite("export", options->exportTo, exporter->error());
    written = false;
  }
  if (screenshot) {
    errno = 0;
    if (!base->WritePng(screenshot->writingPath())) screenshot->Fail(errno);
    if (!screenshot->Commit()) {
      cannotWrite("screenshot", options->screenshot, screenshot->error());
      written = false;
    }
  }
  return written || status != 0 ? status : 2;
}

}  // namespace mebuki
