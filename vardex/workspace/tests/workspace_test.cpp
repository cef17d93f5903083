// Window behaviour that scenarios cannot reach: creation of windows by other
// windows' reads, and the clock box's place when the main window is resized.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>

#include "codepagefiles.h"
#include "frmqljs.h"
#include "platform.h"

namespace {

// Services that answer nothing: these tests open no dialog and show no message.
class SilentPlatform : platform::MessageBoxes, platform::Dialogs, platform::Printer, platform::Clock,
                       platform::Programs {
public:
    platform::Platform& services() { return services_; }

private:
    platform::Answer show(QWidget*, const QString&, const QString&, platform::Icon, platform::Buttons) override
    {
        ADD_FAILURE() << "unexpected message";
        return platform::Answer::No;
    }
    std::optional<QString> openFile(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<int> print(QWidget*) override { return std::nullopt; }
    std::optional<platform::FontChoice> font(QWidget*, const platform::FontChoice&) override { return std::nullopt; }
    std::unique_ptr<platform::PrintJob> startJob() override { return nullptr; }
    QDateTime now() override { return QDateTime(QDate(2003, 5, 17), QTime(9, 41, 7)); }
    QString shortDate(const QDateTime& t) override { return t.date().toString(QStringLiteral("yyyy-M-d")); }
    QString longTime(const QDateTime& t) override { return t.time().toString(QStringLiteral("H:mm:ss")); }
    QString systemInformationTool() override { return {}; }
    bool launch(const QString&) override { return false; }
    void quit() override {}

    platform::CodePageFiles files_{"UTF-8"};
    platform::Platform services_{*this, *this, *this, files_, *this, *this};
};

void destroyClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

TEST(WindowRegistry, AWindowReadByAnotherIsCreatedHiddenAndReusedUntilClosed)
{
    vardex::WindowRegistry windows;
    int made = 0;
    windows.add(QStringLiteral("frmtest"), [&made] {
        ++made;
        auto* w = new QWidget;
        new QLineEdit(w);
        return w;
    });
    EXPECT_FALSE(windows.knows(QStringLiteral("frmother")));

    QPointer<QWidget> read = windows.get(QStringLiteral("frmtest"));
    EXPECT_FALSE(read->isVisible());
    windows.show(QStringLiteral("frmtest"));
    EXPECT_EQ(windows.get(QStringLiteral("frmtest")), read.data());
    EXPECT_TRUE(read->isVisible());
    EXPECT_EQ(made, 1);

    read->hide();  // a calculator hides itself after a run and keeps its fields
    EXPECT_EQ(windows.get(QStringLiteral("frmtest")), read.data());

    read->close();  // its own exit command destroys it
    destroyClosedWindows();
    EXPECT_TRUE(read.isNull());
    EXPECT_NE(windows.get(QStringLiteral("frmtest")), nullptr);
    EXPECT_EQ(made, 2);
}

TEST(MainWindow, TheClockFollowsTheRightEdgeOnlyWhileTheWindowIsWideEnough)
{
    SilentPlatform platform;
    vardex::frmqljs main(platform.services());
    main.show();
    auto* clock = main.findChild<QLineEdit*>(QStringLiteral("Text2"));
    ASSERT_NE(clock, nullptr);

    // Left edge = outer width − clock width (3135 twips) − 200 twips; 15 twips a pixel.
    auto expectedLeft = [&] { return (main.frameGeometry().width() * 15 - 3135 - 200) / 15; };
    main.resize(800, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(clock->x(), expectedLeft());
    const int placed = clock->x();

    main.resize(300, 500);  // 4500 twips: not more than 5300, the clock stays
    QCoreApplication::processEvents();
    EXPECT_EQ(clock->x(), placed);

    main.resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(clock->x(), expectedLeft());
    EXPECT_GT(clock->x(), placed);
}

TEST(MainWindow, StartsWithTheDateAndTimeStampAndNoLineBreak)
{
    SilentPlatform platform;
    vardex::frmqljs main(platform.services());
    EXPECT_EQ(main.reportText(), QStringLiteral("     2003-5-17  9:41:07"));
    main.appendToReport(QString());
    main.appendToReport(QStringLiteral("A"));
    EXPECT_EQ(main.reportText(), QStringLiteral("     2003-5-17  9:41:07\r\n\r\nA"));
}
