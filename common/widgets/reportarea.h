#pragma once
#include <QPlainTextEdit>

#include "reportsink.h"

namespace widgets {

// A multi-line text box holding a report: lines separated by CR LF. Each
// paragraph of the document is one line, so appending a line costs the same
// however long the report is. A lone CR or LF inside a line (possible in an
// opened file) is kept as a private-use stand-in so that it survives into the
// saved text.
class ReportArea : public QPlainTextEdit, public common::ReportSink {
public:
    explicit ReportArea(QWidget* parent = nullptr);

    // The whole text, lines joined by CR LF.
    QString reportText() const;
    void setReportText(const QString& text);
    // A line break, then the line, at the end; caret and scroll stay as they are.
    void appendReportLine(const QString& line);

    void appendLine(std::string_view line) override;
};

}  // namespace widgets
