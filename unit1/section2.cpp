#include "shell/page.h"
#include "unit1/sections.h"

namespace mebuki::unit1 {

std::vector<PageEntry> Section2Pages() { return {}; }

}  // namespace mebuki::unit1
