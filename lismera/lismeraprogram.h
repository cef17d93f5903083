#pragma once
class QWidget;
namespace platform {
struct Platform;
}

namespace lismera {

// Starts Lismera as for a user: its one window, shown.
QWidget* startLismera(platform::Platform& platform);

}  // namespace lismera
