#include "shell/program.h"
#include "unit1/unit1.h"

int main(int argc, char** argv) { return mebuki::RunProgram(argc, argv, mebuki::unit1::Unit1()); }
