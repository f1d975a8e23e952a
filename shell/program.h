// The command line of both programs and the choice of host.
#pragma once

#include "shell/shell.h"

namespace mebuki {

// Runs a program from its command line; returns the exit status.
int RunProgram(int argc, char** argv, const Unit& unit);

}  // namespace mebuki
