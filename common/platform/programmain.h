#pragma once
#include <functional>

class QWidget;

namespace platform {

struct Platform;

// The whole main() of a program: the application, the Qt services, the
// program's first window (made by start), the event loop.
int runProgram(int argc, char* argv[], const std::function<QWidget*(Platform&)>& start);

}  // namespace platform
