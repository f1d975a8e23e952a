#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace mebuki {

namespace {

struct FaceFont {
  const char* family;   // as the canvas asks for it
  const char* package;  // the Debian package that installs it
};

// Keep in step with the faces the canvas maps (platform/canvas.cpp).
constexpr FaceFont kFonts[] = {
    {"BIZ UDGothic", "fonts-morisawa-bizud-gothic"},
    {"Liberation Serif", "fonts-liberation2"},
};

// Every family name of the font fontconfig actually chooses for a request. A
// font carries its names in several languages ("BIZ UDゴシック" beside
// "BIZ UDGothic"), and fontconfig puts the one of the user's locale first.
std::vector<std::string> MatchedFamilies(const char* family) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::vector<std::string> names;
  FcChar8* name = nullptr;
  for (int i = 0; match && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    names.emplace_back(reinterpret_cast<const char*>(name));
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return names;
}

}  // namespace

std::vector<std::string> MissingFontWarnings() {
  std::vector<std::string> warnings;
  if (!FcInit()) return {"cannot read the font configuration; text may not show"};
  for (const FaceFont& font : kFonts) {
    const std::vector<std::string> matched = MatchedFamilies(font.family);
    if (std::find(matched.begin(), matched.end(), font.family) != matched.end()) continue;
    warnings.push_back(std::string("font ") + font.family + " is not installed; using " +
                       (matched.empty() ? "no font" : matched.front()) + " instead (install " + font.package + ")");
  }
  return warnings;
}

}  // namespace mebuki
