// run-scenario FILE: drives the windows of the suite's programs from a
// scenario file and prints a transcript of what happens.
#include <QApplication>

#include <cstdio>

#include "runner.h"
#include "vardexprogram.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: run-scenario FILE\n", stderr);
        return 2;
    }
    // Windows are created for real, on a screen nobody sees.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    scenario::Runner runner({
        {QStringLiteral("vardex"), vardex::startVardex},
    });
    return runner.run(QString::fromLocal8Bit(argv[1]));
}
