#pragma once
#include <QWidget>

#include <functional>

#include "transitioncurve.h"

class QLineEdit;
class QPushButton;

namespace widgets {
class ReportArea;
}
namespace platform {
struct Platform;
}

namespace lismera {

// The Lismera window: curve inputs and a stake chainage on the left, six
// command buttons, and the report box on the right.
class Form1 : public QWidget {
public:
    explicit Form1(platform::Platform& platform);

private:
    void load();
    void curveElements();  // Command1
    void singleStake();    // Command2
    void save();           // Command3
    void print();          // Command4
    void clear();          // Command5
    void runCommand(const std::function<void()>& command);

    platform::Platform& platform_;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    widgets::ReportArea* Text6;
    // Kept from the last curve elements run for the single-stake command.
    CurveElements elements_{};
    QString reportFile_;
};

}  // namespace lismera
