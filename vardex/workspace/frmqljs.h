#pragma once
#include <QMainWindow>

#include "reportarea.h"
#include "windowregistry.h"
#include "workspace.h"

class QLineEdit;
class QTimer;
class QToolBar;

namespace platform {
struct Platform;
}

namespace vardex {

// The main window of Vardex: the report text that every calculator appends
// to, the menus that open the calculators, the report file commands, the
// clock and the status bar.
class frmqljs : public QMainWindow {
public:
    explicit frmqljs(platform::Platform& platform);

    // Calculator and help windows, opened from the menus.
    WindowRegistry& windows() { return windows_; }
    Workspace& workspace() { return workspace_; }

    // Enables the menu items whose windows are registered; a calculator that
    // does not exist yet keeps its item disabled.
    void enableRegisteredWindows();

    // The report text: append one line, read it, replace it.
    void appendToReport(const QString& line) { Text1->appendReportLine(line); }
    QString reportText() const { return Text1->reportText(); }
    void replaceReport(const QString& text) { Text1->setReportText(text); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void tick();
    void toolbarClicked(const QString& key);

    // The report file commands.
    void openReport();
    void saveReport();
    void printReport();
    void chooseFont();
    void clearReport();

    platform::Platform& platform_;
    WindowRegistry windows_;
    widgets::ReportArea* Text1;
    Workspace workspace_;
    QLineEdit* Text2 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QTimer* Timer1 = nullptr;
    bool ending_ = false;
};

}  // namespace vardex
