#include "programmain.h"

#include <QApplication>
#include <QWidget>

#include "qtplatform.h"

namespace platform {

int runProgram(int argc, char* argv[], const std::function<QWidget*(Platform&)>& start)
{
    QApplication app(argc, argv);
    QtPlatform platform;
    QWidget* window = start(platform.services());
    const int status = app.exec();
    delete window;
    return status;
}

}  // namespace platform
