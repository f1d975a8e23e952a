// The time of day on this machine's clock, in its own time zone.
#pragma once

#include <string>

namespace mebuki {

// Local time of day as "HH:MM:SS".
std::string LocalTime();

}  // namespace mebuki
