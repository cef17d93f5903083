#pragma once
#include <QString>

namespace scenario {

// The runner's standard output, one line per event. The scenario's temporary
// folder is written back as $TMP so that transcripts do not depend on it.
class Transcript {
public:
    void setTemporaryFolder(const QString& path) { tmp_ = path; }
    void line(const QString& text);
    // Prints "error: " and the reason, and ends the runner with status 2.
    [[noreturn]] void error(const QString& reason);

    // A quoted string: \ as \\, " as \", CR as \r, LF as \n.
    static QString quote(const QString& text);

private:
    QString tmp_;
};

}  // namespace scenario
