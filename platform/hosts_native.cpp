// The hosts of the desktop build: the SDL window, or the offscreen Cairo canvas
// for a scripted run, and the exports drawn from that canvas.
#include "platform/hosts.h"

#include "platform/export_host.h"
#include "platform/headless_host.h"
#include "platform/window_host.h"

namespace mebuki {

std::unique_ptr<Host> MakeBaseHost(const HostOptions& o) {
  if (o.Scripted()) return std::make_unique<HeadlessHost>(o.keys.value_or(""), o.time, o.scale);
  return std::make_unique<WindowHost>(o.program, o.time);
}

std::unique_ptr<PageExporter> MakePageExporter(Host& base, const std::string& target, const std::string& dateTime) {
  auto* canvas = dynamic_cast<HeadlessHost*>(&base);
  if (!canvas) return nullptr;
  return std::make_unique<ExportHost>(*canvas, target, dateTime);
}

}  // namespace mebuki
