#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "reportarea.h"

using widgets::ReportArea;

TEST(ReportArea, AppendPutsALineBreakBeforeEachLine)
{
    ReportArea area;
    area.setReportText("X");
    area.appendReportLine("A");
    area.appendReportLine("");
    area.appendReportLine("B");
    EXPECT_EQ(area.reportText(), "X\r\nA\r\n\r\nB");

    area.setReportText("");
    area.appendLine("梁号");
    EXPECT_EQ(area.reportText(), QString::fromUtf8("\r\n梁号"));
}

TEST(ReportArea, LoneBreaksInsideALineSurviveTheRoundTrip)
{
    ReportArea area;
    area.setReportText("A\nB\r\nC\rD\r\n");
    EXPECT_EQ(area.blockCount(), 3);
    EXPECT_EQ(area.reportText(), "A\nB\r\nC\rD\r\n");
}

TEST(ReportArea, AppendingDoesNotSlowDownAsTheReportGrows)
{
    ReportArea area;
    const QString line = QStringLiteral("       截面抗弯惯性矩(m4)= .568337984");
    auto timeOf = [&](int lines) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < lines; ++i)
            area.appendReportLine(line);
        return t.nsecsElapsed();
    };
    timeOf(10000);  // a long report is already there
    const qint64 early = timeOf(2000);
    timeOf(30000);
    const qint64 late = timeOf(2000);
    // With 40000 lines in front, the same 2000 appends may not cost many times more.
    EXPECT_LT(late, early * 5) << early << " ns then " << late << " ns";
    EXPECT_EQ(area.blockCount(), 1 + 44000);
}
