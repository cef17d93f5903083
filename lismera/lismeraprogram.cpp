#include "lismeraprogram.h"

#include <QCoreApplication>

#include "form1.h"

namespace lismera {

QWidget* startLismera(platform::Platform& platform)
{
    QCoreApplication::setApplicationName(QStringLiteral("Lismera"));
    auto* window = new Form1(platform);
    window->show();
    return window;
}

}  // namespace lismera
