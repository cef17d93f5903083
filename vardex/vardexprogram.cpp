#include "vardexprogram.h"

#include <QCoreApplication>

#include "frmqljs.h"

namespace vardex {

QWidget* startVardex(platform::Platform& platform)
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillom"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.2"));
    auto* main = new frmqljs(platform);
    main->enableRegisteredWindows();
    main->show();
    return main;
}

}  // namespace vardex
