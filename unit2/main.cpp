#include "shell/program.h"
#include "unit2/unit2.h"

int main(int argc, char** argv) { return mebuki::RunProgram(argc, argv, mebuki::unit2::Unit2()); }
