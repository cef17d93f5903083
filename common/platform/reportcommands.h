#pragma once
// The report commands that Vardex and Lismera share: print, save and the
// question before clearing.
#include <QString>

class QWidget;

namespace platform {

struct Platform;

// The print command: the print dialog, then the text (lines separated by
// CR LF) once per copy asked for, all in one job, each copy starting on the
// line after the previous one. A cancelled dialog or a printer failure ends it
// silently; returns whether the job was sent.
bool printCopies(Platform& platform, QWidget* parent, const QString& text);

// Appends the report and one CR LF to a report file; false when it cannot.
bool appendReport(Platform& platform, const QString& path, const QString& text);

// "真的要清空文件吗？" with Yes and No; true for Yes.
bool confirmClear(Platform& platform, QWidget* parent);

}  // namespace platform
