// The heading of the review answer pages: a title cell ("P238 解答") and, 40 to
// its right, the answer's number cell.
#pragma once

#include <string_view>

#include "shell/page.h"

namespace mebuki::unit2 {

// Sets the pen of the answer pages (5) and draws both cells with the title's
// left edge at x.
void DrawAnswerHeading(Page& p, float x, std::string_view title, std::string_view number);

}  // namespace mebuki::unit2
