#include "vardexprogram.h"
#include "programmain.h"

int main(int argc, char* argv[]) { return platform::runProgram(argc, argv, vardex::startVardex); }
