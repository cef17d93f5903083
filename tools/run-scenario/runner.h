#pragma once
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <map>

#include "scriptedplatform.h"
#include "transcript.h"

class QAction;

namespace scenario {

using ProgramStart = std::function<QWidget*(platform::Platform&)>;

// Carries out a scenario's commands on the windows of one program, as a user
// would, and writes what happens to the transcript.
class Runner {
public:
    explicit Runner(std::map<QString, ProgramStart> programs);
    // Runs every command of the file; returns the exit status (0; errors exit 2 at once).
    int run(const QString& scenarioPath);

private:
    void command(const QString& line);
    QString expand(const QString& text) const;

    void start(const QString& program);
    QWidget* window(const QString& name);
    QObject* control(const QString& qualified);
    QAction* action(const QString& qualified);
    void requireUsable(QWidget* w, const QString& qualified);

    void show(const QString& qualified);
    void font(const QString& qualified);
    void text(const QString& qualified);
    void set(const QString& qualified, const QString& value);
    void pick(const QString& qualified, const QString& value);
    void click(const QString& qualified);
    void menu(const QString& qualified);
    void toolbar(const QString& key);
    void dialog(const QString& rest);
    void windows();
    void writeFile(const QString& rest);
    void showFile(const QString& path);
    void wait(int ms);
    void settle();
    void closeAllWindows();
    void printLines(const QString& head, const QStringList& lines);

    std::map<QString, ProgramStart> programs_;
    Transcript out_;
    ScriptedPlatform platform_;
    QTemporaryDir tmp_;
    bool started_ = false;
};

}  // namespace scenario
