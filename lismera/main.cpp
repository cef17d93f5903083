#include <QApplication>
#include <QWidget>

#include "lismeraprogram.h"
#include "qtplatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::QtPlatform platform;
    QWidget* window = lismera::startLismera(platform.services());
    const int status = app.exec();
    delete window;
    return status;
}
