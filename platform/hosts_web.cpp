// The hosts of the browser build: the page itself, scripted or not. The page
// keeps no files, so there are no exports, and its fonts travel inside it.
#include "platform/hosts.h"

#include "platform/web_host.h"

namespace mebuki {

std::unique_ptr<Host> MakeBaseHost(const HostOptions& o) {
  // The page draws at the size of the browser's window; the runtime draws its
  // screenshots at the scale the page was given.
  return std::make_unique<WebHost>(o.keys, o.walk, o.time);
}

std::unique_ptr<PageExporter> MakePageExporter(Host&, const std::string&, const std::string&) { return nullptr; }

std::vector<std::string> MissingFontWarnings() { return {}; }

}  // namespace mebuki
