// The installed fonts behind the faces the lessons name.
#pragma once

#include <string>
#include <vector>

namespace mebuki {

// One line for each face whose font is not installed, naming the face that
// stands in for it and the package that brings it; empty when all are there.
std::vector<std::string> MissingFontWarnings();

}  // namespace mebuki
