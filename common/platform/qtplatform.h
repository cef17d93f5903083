#pragma once
#include <QPrinter>

#include "codepagefiles.h"
#include "platform.h"

namespace platform {

// The services as a user meets them: real message boxes and dialogs, the
// printer chosen in the print dialog, files in the locale's code page, the
// system clock in the locale's forms.
class QtPlatform : private MessageBoxes,
                   private Dialogs,
                   private Printer,
                   private Clock,
                   private Programs {
public:
    QtPlatform();
    Platform& services() { return services_; }

private:
    Answer show(QWidget* parent, const QString& text, const QString& title, Icon icon,
                Buttons buttons) override;
    std::optional<QString> openFile(QWidget* parent, const QString& filter) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& filter) override;
    std::optional<int> print(QWidget* parent) override;
    std::optional<FontChoice> font(QWidget* parent, const FontChoice& current) override;
    std::unique_ptr<PrintJob> startJob() override;
    QDateTime now() override;
    QString shortDate(const QDateTime& t) override;
    QString longTime(const QDateTime& t) override;
    QString systemInformationTool() override;
    bool launch(const QString& path) override;
    void quit() override;

    QPrinter printer_;
    CodePageFiles files_;
    Platform services_;
};

// "数据文件(*.txt)|*.txt|所有文件(*.*)|*.*" as a Qt file dialog filter.
QString qtFileFilter(const QString& filter);

// The application title a message box without a title of its own shows.
QString applicationTitle();

// A locale's long time form without the time zone: hours, minutes, seconds.
QString longTimeWithoutZone(const QLocale& locale, const QTime& t);

}  // namespace platform
