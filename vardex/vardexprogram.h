#pragma once
class QWidget;
namespace platform {
struct Platform;
}

namespace vardex {

// Starts Vardex as for a user: the main window with every calculator
// registered behind its menu item. The returned window is shown.
QWidget* startVardex(platform::Platform& platform);

}  // namespace vardex
