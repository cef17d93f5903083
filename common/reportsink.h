#pragma once
// Where calculation code writes its report: one line at a time, in report order.
// Lines are UTF-8. The main window's report text, Lismera's report box and the
// tests' line buffer all take the same calls.

#include <string>
#include <string_view>
#include <vector>

namespace common {

class ReportSink {
public:
    virtual ~ReportSink() = default;
    // Adds one line at the end: a line break, then the line.
    virtual void appendLine(std::string_view line) = 0;
};

// A report kept as a list of lines, for tests and for calculations whose
// report is assembled before it is shown.
class ReportLines : public ReportSink {
public:
    void appendLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

}  // namespace common
