// The pages of each section of mebuki1, in the order of its sub-menu.
#pragma once

#include <vector>

#include "shell/shell.h"

namespace mebuki::unit1 {

std::vector<PageEntry> Section1Pages();
std::vector<PageEntry> Section2Pages();
std::vector<PageEntry> Section3Pages();
std::vector<PageEntry> Section4Pages();

}  // namespace mebuki::unit1
