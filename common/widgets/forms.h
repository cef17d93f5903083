#pragma once
// Small helpers for building the calculator windows: every control gets the
// object name the program's documentation uses, so that tests and the
// scenario runner find it by that name.

#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QAction;
class QCheckBox;
class QGroupBox;
class QKeySequence;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace platform {
struct Platform;
}

namespace widgets {

// Marks w as one of the program's windows: object name, caption, and a place
// in the order of creation (the scenario runner lists windows in that order).
void window(QWidget* w, const char* name, const QString& caption);

QLineEdit* field(QWidget* parent, const char* name, const QString& tooltip = {});
// A read-only field showing a result.
QLineEdit* resultField(QWidget* parent, const char* name);
QLabel* label(QWidget* parent, const char* name, const QString& text);
QGroupBox* frame(QWidget* parent, const char* name, const QString& caption);
QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption);
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
QMenu* menu(QMainWindow* window, const char* name, const QString& caption);
QAction* menuItem(QMenu* menu, const char* name, const QString& caption);
QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut);
QAction* separator(QMenu* menu, const char* name);

// Fills a help window: a read-only multi-line text box Text1 holding text,
// and below it a "知道了" button with the given name, which is returned.
QPushButton* helpText(QWidget* window, const QString& text, const char* buttonName);

// The text of a field as UTF-8, and its value read as a field number.
std::string fieldText(const QLineEdit* f);
double fieldValue(const QLineEdit* f);
void setFieldText(QLineEdit* f, std::string_view utf8);

QString qs(std::string_view utf8);

// Runs one command of a calculator: an input check that fails shows its own
// message and title; any run-time failure shows the window's general failure
// message. Either way the command ends there. Returns true when the run
// completed.
bool runGuarded(platform::Platform& platform, QWidget* window, const QString& failureText,
                const QString& failureTitle, const std::function<void()>& run);

}  // namespace widgets
