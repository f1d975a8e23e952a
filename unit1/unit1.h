// mebuki1: the unit on data (range, frequency tables, histograms, representative
// values, relative frequency), on the confetti flight-time experiments.
#pragma once

#include "shell/shell.h"

namespace mebuki::unit1 {

const Unit& Unit1();

}  // namespace mebuki::unit1
