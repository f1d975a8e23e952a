// The pages of each section of mebuki2, in the order of its sub-menu.
#pragma once

#include <vector>

#include "shell/shell.h"

namespace mebuki::unit2 {

std::vector<PageEntry> Section1Pages();
std::vector<PageEntry> Section2Pages();
std::vector<PageEntry> Section3Pages();
std::vector<PageEntry> Section4Pages();
std::vector<PageEntry> Section5Pages();
std::vector<PageEntry> Section6Pages();

}  // namespace mebuki::unit2
