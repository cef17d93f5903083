#pragma once
#include <QString>

class QWidget;

namespace platform {

struct Platform;

// The print command of every program: the print dialog, then the text
// (lines separated by CR LF) once per copy asked for, all in one job, each
// copy starting on the line after the previous one. A cancelled dialog or a
// printer failure ends it silently; returns whether the job was sent.
bool printCopies(Platform& platform, QWidget* parent, const QString& text);

}  // namespace platform
