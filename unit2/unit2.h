// mebuki2: reading graphs, the mean from a frequency table, the meaning of
// probability, probability from data, and the review answers.
#pragma once

#include "shell/shell.h"

namespace mebuki::unit2 {

const Unit& Unit2();

}  // namespace mebuki::unit2
