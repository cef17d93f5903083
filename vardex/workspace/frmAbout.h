#pragma once
#include <QDialog>

namespace platform {
struct Platform;
}

namespace vardex {

// The about box: title, version, description, disclaimer, and a button that
// starts the system's system-information tool.
class frmAbout : public QDialog {
public:
    explicit frmAbout(platform::Platform& platform, QWidget* parent = nullptr);

private:
    void StartSysInfo();

    platform::Platform& platform_;
};

}  // namespace vardex
