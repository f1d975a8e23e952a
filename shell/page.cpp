#include "shell/page.h"

#include "shell/draw.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace mebuki {

void Page::Start(float margin, float indent, float lineY) {
  s.PageMargin = margin;
  s.PageIndent = indent;
  s.LineY = lineY;
}

void Page::Pen(float width) { SetDrawWidth(s, width); }

void Page::At(int colour, float x, float y, std::string_view text) {
  DrawMarkupAt(s, colour, x, y, text);
  s.LineY = s.TextY;
  s.LineEndX = s.TextX;
}

void Page::M(int colour, float d, std::string_view text) { At(colour, s.PageMargin, s.LineY + d, text); }

void Page::I(int colour, float d, std::string_view text) { At(colour, s.PageIndent, s.LineY + d, text); }

void Page::Then(int colour, std::string_view text) { At(colour, s.LineEndX, s.LineY, text); }

void Page::Plain(int colour, float x, float y, std::string_view text) { DrawPlainAt(s, colour, x, y, text); }

void Page::Pause() { PauseForKey(s); }

}  // namespace mebuki
