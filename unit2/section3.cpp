#include "shell/page.h"
#include "unit2/sections.h"

namespace mebuki::unit2 {

std::vector<PageEntry> Section3Pages() { return {}; }

}  // namespace mebuki::unit2
