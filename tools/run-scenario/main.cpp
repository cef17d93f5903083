// run-scenario FILE: drives the windows of the suite's programs from a
// scenario file and prints a transcript of what happens.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "runner.h"
#include "lismeraprogram.h"
#include "vardexprogram.h"

namespace {

// The offscreen platform reports what it cannot do (raise a window, size
// hints); that is expected here and would only bury real warnings.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    const QByteArray text = message.toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
    if (type == QtFatalMsg)
        std::abort();
}

}  // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietOffscreenNotes);
    if (argc != 2) {
        std::fputs("usage: run-scenario FILE\n", stderr);
        return 2;
    }
    // Windows are created for real, on a screen nobody sees.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    scenario::Runner runner({
        {QStringLiteral("vardex"), vardex::startVardex},
        {QStringLiteral("lismera"), lismera::startLismera},
    });
    return runner.run(QString::fromLocal8Bit(argv[1]));
}
