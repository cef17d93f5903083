#include "reportcommands.h"

#include <QStringList>

#include "platform.h"

namespace platform {

bool printCopies(Platform& platform, QWidget* parent, const QString& text)
{
    const auto copies = platform.dialogs.print(parent);
    if (!copies)
        return false;
    const auto job = platform.printer.startJob();
    if (!job)
        return false;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (int copy = 0; copy < *copies; ++copy)
        for (const QString& line : lines)
            if (!job->printLine(line))
                return false;
    return job->end();
}

bool appendReport(Platform& platform, const QString& path, const QString& text)
{
    return platform.files.append(path, text + QStringLiteral("\r\n"));
}

bool confirmClear(Platform& platform, QWidget* parent)
{
    return platform.messages.show(parent, QStringLiteral("真的要清空文件吗？"), QStringLiteral("确认对话框"),
                                  Icon::None, Buttons::YesNo) == Answer::Yes;
}

}  // namespace platform
