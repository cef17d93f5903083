#include "vardexprogram.h"

#include <QCoreApplication>

#include "frmjmtx.h"
#include "frmpxyl.h"
#include "frmpxylf.h"
#include "frmqljs.h"

namespace vardex {

QWidget* startVardex(platform::Platform& platform)
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillom"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.2"));
    auto* main = new frmqljs(platform);
    Workspace& ws = main->workspace();
    WindowRegistry& windows = main->windows();
    windows.add(QStringLiteral("frmjmtx"), [&ws] { return new frmjmtx(ws); });
    windows.add(QStringLiteral("frmpxylf"), [&ws] { return new frmpxylf(ws); });
    windows.add(QStringLiteral("frmpxyl"), [] { return new frmpxyl; });
    main->enableRegisteredWindows();
    main->show();
    return main;
}

}  // namespace vardex
