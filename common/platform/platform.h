#pragma once
// The services a window needs from outside the program: message boxes, the
// common dialogs, the printer, text files in the user's code page, the clock
// and starting another program. Each is a small interface with a Qt
// implementation (qtplatform.h) and a scripted one for tests (the scenario
// runner). Windows reach all of them through one Platform.

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

namespace platform {

enum class Icon { Information, Warning, None };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal message box; an empty title shows the application title.
    virtual Answer show(QWidget* parent, const QString& text, const QString& title, Icon icon,
                        Buttons buttons) = 0;
};

// What the font dialog chooses; applied to a text area as a whole.
struct FontChoice {
    QString family;
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    QColor color = Qt::black;
};

// Common dialogs. Every call returns nothing when the user cancels; callers
// end their command silently then.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // filter: description and pattern pairs separated by "|".
    virtual std::optional<QString> openFile(QWidget* parent, const QString& filter) = 0;
    // No default extension is added and no question is asked for an existing file.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& filter) = 0;
    // The number of copies asked for, at least 1.
    virtual std::optional<int> print(QWidget* parent) = 0;
    virtual std::optional<FontChoice> font(QWidget* parent, const FontChoice& current) = 0;
};

// One print job: lines in the printer's default font, each on a line of its
// own, a new page when one is full. Any false return is a printer failure.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual bool printLine(const QString& line) = 0;
    // Ends the job and sends it to the printer.
    virtual bool end() = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // A job on the printer chosen by the last print dialog; nullptr on failure.
    virtual std::unique_ptr<PrintJob> startJob() = 0;
};

// Text files in the user's code page, lines separated by CR LF.
class TextFiles {
public:
    virtual ~TextFiles() = default;
    // The file's lines, split at CR or CR LF (a lone LF belongs to its line);
    // nothing when the file cannot be read or decoded.
    virtual std::optional<QStringList> readLines(const QString& path) = 0;
    // Appends text, creating the file when missing. Characters the code page
    // cannot hold are written as "?". On failure the file is left as it was.
    virtual bool append(const QString& path, const QString& text) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
    // The date in the locale's short form and the time in its long form
    // (hours, minutes, seconds; no time zone).
    virtual QString shortDate(const QDateTime& t) = 0;
    virtual QString longTime(const QDateTime& t) = 0;
};

class Programs {
public:
    virtual ~Programs() = default;
    // The system-information tool of this system, or an empty text when none is known.
    virtual QString systemInformationTool() = 0;
    // Starts a program; false when it cannot be started.
    virtual bool launch(const QString& path) = 0;
    // Ends this program at once, closing all its windows.
    virtual void quit() = 0;
};

struct Platform {
    MessageBoxes& messages;
    Dialogs& dialogs;
    Printer& printer;
    TextFiles& files;
    Clock& clock;
    Programs& programs;
};

}  // namespace platform
