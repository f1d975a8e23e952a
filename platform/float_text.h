// The shortest text that reads back as the same float, as std::to_chars
// writes it (fixed or exponent form, whichever is shorter, fixed on a tie).
// The trace writes every coordinate this way, so traces of the same run are
// equal byte for byte on every build; the browser's C++ library has no float
// to_chars, so ShortestFloatText is built on printf and strtof there.
#pragma once

#include <string>

namespace mebuki {

std::string ShortestFloatText(float v);

// The printf-based conversion itself, for every build (tests compare it with
// the standard library's).
std::string ShortestFloatTextPortable(float v);

}  // namespace mebuki
