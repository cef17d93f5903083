#pragma once
// What every calculator window of Vardex is given: the platform services, the
// registry through which it reads other windows' fields, and the report text
// of the main window to append its report to.

namespace common {
class ReportSink;
}
namespace platform {
struct Platform;
}

namespace vardex {

class WindowRegistry;

struct Workspace {
    platform::Platform& platform;
    WindowRegistry& windows;
    common::ReportSink& report;
};

}  // namespace vardex
