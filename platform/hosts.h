// The hosts a program runs on, made from its command line. Each build links
// one implementation: the window and the Cairo canvas (hosts_native.cpp), or
// the browser page (hosts_web.cpp). The engine above this folder never knows
// which one it draws on.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/local_time.h"

namespace mebuki {

struct HostOptions {
  std::string program;              // "mebuki1": the window's title
  std::optional<std::string> keys;  // decoded key script: a run without a window
  bool walk = false;                // the walk answers every key: a run without a window
  std::string time;                 // "HH:MM:SS", or "" for the local time
  double scale = 1;                 // a run without a window draws at this many times 1440 x 900
  bool Scripted() const { return keys || walk; }
};

// The host the program draws on and reads keys from. Throws std::runtime_error
// when it cannot be made (no display).
std::unique_ptr<Host> MakeBaseHost(const HostOptions& options);

// A host over the base host that keeps every finished page: a PDF or a folder
// of PNG files. ok() is false when the target cannot be written, error() says
// why; Finish() completes the export.
class PageExporter : public Host {
 public:
  virtual bool ok() const = 0;
  virtual const std::string& error() const = 0;
  virtual bool Finish() = 0;
};

// Nothing where this build cannot export (the browser) or the base host has no
// canvas to export from.
std::unique_ptr<PageExporter> MakePageExporter(Host& base, const std::string& target, const std::string& dateTime);

// One line for each face whose font is missing (see platform/fonts.h).
std::vector<std::string> MissingFontWarnings();

}  // namespace mebuki
