// The keys and gestures a teacher uses in front of the class, in Japanese, as
// F1 shows them over the picture. Plain data, so that every host (the window's
// panel, the browser page's) shows the same text.
#pragma once

#include <span>
#include <string_view>

namespace mebuki {

struct HelpLine {
  std::string_view keys;    // the keys or gestures
  std::string_view action;  // what they do
};

struct HelpText {
  std::string_view title;
  std::span<const HelpLine> lines;
  std::string_view closing;  // how to close the panel
};

const HelpText& Help();

}  // namespace mebuki
