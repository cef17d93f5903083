#include <QApplication>
#include <QWidget>

#include "qtplatform.h"
#include "vardexprogram.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::QtPlatform platform;
    QWidget* main = vardex::startVardex(platform.services());
    const int status = app.exec();
    delete main;
    return status;
}
