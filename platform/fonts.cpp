#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

namespace mebuki {

namespace {

struct FaceFont {
  const char* family;   // as the canvas asks for it
  const char* package;  // the Debian package that installs it
};

// Keep in step with the faces the canvas maps (platform/canvas.cpp).
constexpr FaceFont kFonts[] = {
    {"IPAGothic", "fonts-ipafont-gothic"},
    {"Liberation Serif", "fonts-liberation2"},
};

// The family fontconfig actually chooses for a request.
std::string MatchedFamily(const char* family) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string matched;
  FcChar8* name = nullptr;
  if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) {
    matched = reinterpret_cast<const char*>(name);
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return matched;
}

}  // namespace

std::vector<std::string> MissingFontWarnings() {
  std::vector<std::string> warnings;
  if (!FcInit()) return {"cannot read the font configuration; text may not show"};
  for (const FaceFont& font : kFonts) {
    const std::string matched = MatchedFamily(font.family);
    if (matched == font.family) continue;
    warnings.push_back(std::string("font ") + font.family + " is not installed; using " +
                       (matched.empty() ? "no font" : matched) + " instead (install " + font.package + ")");
  }
  return warnings;
}

}  // namespace mebuki
