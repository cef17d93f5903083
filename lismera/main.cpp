#include "lismeraprogram.h"
#include "programmain.h"

int main(int argc, char* argv[]) { return platform::runProgram(argc, argv, lismera::startLismera); }
