#pragma once
#include <QDateTime>

#include <deque>

#include "codepagefiles.h"
#include "platform.h"
#include "transcript.h"

namespace scenario {

// The platform services as a scenario drives them: every message, dialog and
// print job is written to the transcript; answers to questions and dialogs
// come from a queue filled by the scenario; the clock stands still.
class ScriptedPlatform : private platform::MessageBoxes,
                         private platform::Dialogs,
                         private platform::Printer,
                         private platform::Clock,
                         private platform::Programs {
public:
    explicit ScriptedPlatform(Transcript& out);
    platform::Platform& services() { return services_; }

    struct DialogAnswer {
        enum Kind { Open, Save, Print, Font, Cancel } kind;
        QString path;
        int copies = 1;
        platform::FontChoice font;
        bool keepColor = true;  // no colour given: the dialog keeps the current one
    };

    platform::CodePageFiles& files() { return files_; }
    void setNow(const QDateTime& t) { now_ = t; }
    void queueYesNo(bool yes) { yesNo_.push_back(yes); }
    void queueDialog(const DialogAnswer& answer) { dialogs_.push_back(answer); }
    void failNextPrint() { failPrint_ = true; }
    bool quitRequested() const { return quit_; }
    // Answers and failures queued but never used, as text; empty when none.
    QString unused() const;

private:
    platform::Answer show(QWidget* parent, const QString& text, const QString& title, platform::Icon icon,
                          platform::Buttons buttons) override;
    std::optional<QString> openFile(QWidget* parent, const QString& filter) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& filter) override;
    std::optional<int> print(QWidget* parent) override;
    std::optional<platform::FontChoice> font(QWidget* parent, const platform::FontChoice& current) override;
    std::unique_ptr<platform::PrintJob> startJob() override;
    QDateTime now() override { return now_; }
    QString shortDate(const QDateTime& t) override;
    QString longTime(const QDateTime& t) override;
    QString systemInformationTool() override { return {}; }
    bool launch(const QString& path) override;
    void quit() override;

    DialogAnswer nextDialog(DialogAnswer::Kind kind, const QString& what);
    std::optional<QString> fileDialog(DialogAnswer::Kind kind, const QString& what, const QString& filter);

    Transcript& out_;
    platform::CodePageFiles files_;
    QDateTime now_;
    std::deque<bool> yesNo_;
    std::deque<DialogAnswer> dialogs_;
    bool failPrint_ = false;
    bool quit_ = false;
    platform::Platform services_;
};

// "14 bold #FF0000 宋体" and the like, as the transcript writes a font.
QString fontText(const platform::FontChoice& f);

}  // namespace scenario
