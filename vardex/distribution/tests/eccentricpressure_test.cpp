#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "eccentricpressure.h"
#include "reportsink.h"
#include "runfailure.h"

using namespace distribution;
using common::InputRejected;
using common::RunFailure;

namespace {

constexpr double kTight = 1e-12;

// Strip coefficient k(b, t) = (1 − 0.63·t/b + 0.052·(t/b)⁵)/3, written out so
// that the expectations show the formula.
double k(double b, double t) { return (1 - 0.63 * t / b + 0.052 * std::pow(t / b, 5)) / 3; }

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A T-beam bridge of five beams 1.6 m apart, 19.5 m span, 7 m carriageway and
// 0.75 m sidewalks; the beams are 1.30 m high with a 0.14 m flange and a
// 0.18 m web.
class TBeamBridge : public testing::Test {
protected:
    EccentricPressureInput in{0.75, 7, 1.6, 19.5, 5, 2, 1.6, 0.14, 0.18, 0, 1.16, 0, 0};
    LoadSelection all = selectLoads(true, true, true, true);
    common::ReportLines report;

    EccentricPressureResult run(const LoadSelection& loads) { return eccentricPressure(in, loads, report); }
    EccentricPressureResult run() { return run(all); }

    // Span 0 makes X = 0 and β = 1: the uncorrected rigid-cross-beam lines,
    // η(1, ·) from 0.6 down to −0.2 and η(2, ·) from 0.4 down to 0, so the
    // slopes per metre are 0.8/6.4 = 0.125 and 0.4/6.4 = 0.0625.
    void rigidCrossBeams() { in.LL = 0; }
};

TEST_F(TBeamBridge, WritesTheWholeReport)
{
    const EccentricPressureResult r = run();

    // Open section: the flange strip and the web strip (width HF, thickness B1).
    EXPECT_NEAR(r.IT, k(1.6, 0.14) * 1.6 * std::pow(0.14, 3) + k(1.16, 0.18) * 1.16 * std::pow(0.18, 3), kTight);
    // A1 = 0.224, A2 = 0.2088, S = 0.224·1.23 + 0.2088·0.58 about the bottom face.
    const double y0 = (0.224 * 1.23 + 0.2088 * 0.58) / (0.224 + 0.2088);
    EXPECT_NEAR(r.I,
                1.6 * std::pow(0.14, 3) / 12 + 0.224 * std::pow(1.23 - y0, 2) + 0.18 * std::pow(1.16, 3) / 12 +
                    0.2088 * std::pow(0.58 - y0, 2),
                kTight);
    // Q = 4² + 2² + 0² = 20.
    EXPECT_NEAR(r.beta, 1 / (1 + 0.425 * (5 * 19.5 * 19.5 / (6 * 1.6 * 1.6 * 20)) * r.IT / r.I), kTight);

    // Coefficients worked out by hand: the middle beam has a level line of
    // 1/5, so MR = 2·0.2 (both sidewalks), MQ = 2 lanes · 0.2 and MG = ML = 0.2.
    const std::string indent = blanks(7);
    const std::vector<std::string> expected = {
        "",
        "",
        indent + "————修正的偏心压力法（刚性横梁法）计算梁桥的横向分布系数————",
        "",
        indent + "原始数据:",
        "",
        indent + "人行道宽度(m)RR＝ .75",
        indent + "行车道宽度(m)BB= 7",
        indent + "梁间距(m)AA= 1.6",
        indent + "计算跨径(m)LL= 19.5",
        indent + "梁片(片)N= 5",
        indent + "车道数C0= 2",
        indent + "荷载个数M= 4",
        indent + "梁上翼缘宽度(m)BS= 1.6",
        indent + "上翼缘平均厚度(m)HS= .14",
        indent + "两个最外侧腹板之和(m)B1= .18",
        indent + "室与室之间的腹板之和(m)B2= 0",
        indent + "腹板高度(m)HF= 1.16",
        indent + "下翼缘底板宽度(m)BX= 0",
        indent + "下翼缘底板平均厚度(m)HX= 0",
        "",
        indent + "MR表示人群荷载、MQ表示汽车荷载、MG表示挂车荷载、ML表示履带车荷载的横向分布系数",
        indent + "梁号" + blanks(12) + "MR" + blanks(12) + "MQ" + blanks(12) + "MG" + blanks(12) + "ML",
        indent + " 1" + blanks(8) + " .62886" + blanks(8) + " .52174" + blanks(8) + " .32727" + blanks(8) + " .33834",
        indent + " 2" + blanks(8) + " .41443" + blanks(8) + " .46087" + blanks(8) + " .26364" + blanks(8) + " .26917",
        indent + " 3" + blanks(8) + " .4" + blanks(12) + " .4" + blanks(12) + " .2" + blanks(12) + " .2",
    };
    EXPECT_EQ(report.lines, expected);
}

TEST_F(TBeamBridge, FourBeamsGiveTwoRowsWithQ10AndD5)
{
    in.N = 4;
    const EccentricPressureResult r = run();
    ASSERT_EQ(r.rows.size(), 2u);

    // Q = 3² + 1² = 10; D = 1.5² + 0.5² + 0.5² + 1.5² = 5; c = 2.5.
    const double beta = 1 / (1 + 0.425 * (4 * 19.5 * 19.5 / (6 * 1.6 * 1.6 * 10)) * r.IT / r.I);
    EXPECT_NEAR(r.beta, beta, kTight);
    for (const BeamCoefficients& row : r.rows) {
        const double etaC = 0.25;
        const double s = 2 * beta * (2.5 - row.i) * 1.5 / 5 / (3 * 1.6);
        EXPECT_NEAR(row.MG, etaC + s * (7 - 4.7) / 2, kTight) << "beam " << row.i;
        EXPECT_NEAR(row.ML, etaC + s * (7 - 4.5) / 2, kTight) << "beam " << row.i;
    }
}

TEST_F(TBeamBridge, OnlyTheTickedLoadsAreComputed)
{
    const LoadSelection vehicleOnly = selectLoads(false, true, false, false);
    EXPECT_EQ(vehicleOnly.M, 1);
    run(vehicleOnly);
    EXPECT_EQ(report.lines[12], blanks(7) + "荷载个数M= 1");
    EXPECT_EQ(report.lines.back(),
              blanks(7) + " 3" + blanks(8) + " 0" + blanks(13) + " .4" + blanks(12) + " 0" + blanks(13) + " 0");
}

// The middle beam of five has the level line 1/5, so j lanes give ξ·j·0.2 and
// the last lane governs.
TEST_F(TBeamBridge, LaneReductionFactors)
{
    const struct {
        double C0;
        double MQ;
    } cases[] = {
        {0, 0}, {-3, 0}, {1, 1 * 1 * 0.2}, {2, 1 * 2 * 0.2}, {3, 0.78 * 3 * 0.2},
        {4, 0.67 * 4 * 0.2}, {5, 0.67 * 5 * 0.2}, {6, 0.67 * 6 * 0.2}, {6.9, 0.67 * 6 * 0.2},
    };
    for (const auto& c : cases) {
        in.C0 = c.C0;
        EXPECT_NEAR(run().rows.at(2).MQ, c.MQ, kTight) << "C0 = " << c.C0;
    }
}

TEST_F(TBeamBridge, LaneReductionStartsAfreshForEveryBeam)
{
    rigidCrossBeams();
    in.C0 = 6;
    const EccentricPressureResult r = run();
    ASSERT_EQ(r.beta, 1);
    // Lane resultants at x = 3.5 − 1.4 − 1.55·(j − 1) = 2.1, 0.55, −1.0 …;
    // beam 1 peaks at two lanes: 2·(0.2 + 0.125·0.55).
    EXPECT_NEAR(r.rows[0].MQ, 2 * (0.2 + 0.125 * 0.55), kTight);
    EXPECT_NEAR(r.rows[1].MQ, 2 * (0.2 + 0.0625 * 0.55), kTight);
    EXPECT_NEAR(r.rows[2].MQ, 0.67 * 6 * 0.2, kTight);
}

TEST_F(TBeamBridge, CrowdLoadsTheFarSidewalkOnlyWhereItsOrdinateIsPositive)
{
    rigidCrossBeams();
    // Sidewalk centres at ±(BB + RR)/2 = ±3.875 m: the edge beam's line is
    // 0.2 − 0.125·3.875 < 0 under the far one, which stays unloaded.
    EXPECT_NEAR(run().rows[0].MR, 0.2 + 0.125 * 3.875, kTight);

    // A narrow deck, ±1.25 m: 0.2 − 0.125·1.25 > 0, both sidewalks carry.
    in.BB = 2;
    in.RR = 0.5;
    EXPECT_NEAR(run().rows[0].MR, 2 * 0.2, kTight);
}

TEST_F(TBeamBridge, BoxWithEquallyWideSlabsHasNoCantileverStrips)
{
    in.BS = 2;
    in.HS = 0.2;
    in.B1 = 0.4;
    in.B2 = 0.2;
    in.HF = 1.2;
    in.BX = 2;
    in.HX = 0.2;
    // b0 = 2 − 0.6/2 = 1.7, h0 = 1.2 + 0.1 + 0.1 = 1.4,
    // Sw = 1.7·(1/0.2 + 1/0.2) + 1.4·(1/0.4 + 1/0.2) = 27.5.
    EXPECT_NEAR(run().IT, 4 * 1.7 * 1.7 * 1.4 * 1.4 / 27.5, kTight);
}

TEST(LoadSelection, TableHoldsTheCodesOfTheTickedBoxes)
{
    const LoadSelection loads = selectLoads(true, false, true, true);
    EXPECT_EQ(loads.M, 3);
    EXPECT_EQ(loads.code[1], kCrowd);
    EXPECT_EQ(loads.code[2], 0);
    EXPECT_EQ(loads.code[3], kTrailer);
    EXPECT_EQ(loads.code[4], kCrawler);
}

TEST(LoadSelection, NoBoxTickedAsksForALoad)
{
    try {
        selectLoads(false, false, false, false);
        FAIL() << "no load accepted";
    } catch (const InputRejected& e) {
        EXPECT_EQ(e.text(), "请选择需要计算横向分布系数的荷载！");
        EXPECT_EQ(e.title(), "请选择");
    }
}

TEST_F(TBeamBridge, SectionChecksRejectBeforeAnythingIsWritten)
{
    const std::string noSection = "构件的各个高度或宽度不能同时为零！";
    const std::string noZeros = "AA、N、B1、HF的数值不能为零！";
    const struct {
        const char* what;
        void (*change)(EccentricPressureInput&);
        const std::string& message;
    } cases[] = {
        // HF = 0 as well, but the missing section is reported first.
        {"no section", [](EccentricPressureInput& e) { e.BS = e.B1 = e.HF = 0; }, noSection},
        {"AA = 0", [](EccentricPressureInput& e) { e.AA = 0; }, noZeros},
        {"N = 0", [](EccentricPressureInput& e) { e.N = 0; }, noZeros},
        {"B1 = 0", [](EccentricPressureInput& e) { e.B1 = 0; }, noZeros},
        {"HF = 0", [](EccentricPressureInput& e) { e.HF = 0; }, noZeros},
    };
    for (const auto& c : cases) {
        EccentricPressureInput changed = in;
        c.change(changed);
        try {
            eccentricPressure(changed, all, report);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const InputRejected& e) {
            EXPECT_EQ(e.text(), c.message) << c.what;
            EXPECT_EQ(e.title(), "输入出错") << c.what;
        }
        EXPECT_TRUE(report.lines.empty()) << c.what;
    }
}

// Failures end the run before the report, also where the beam and lane counts
// are far too large: those fail at once instead of looping for minutes.
TEST_F(TBeamBridge, RunErrorsWriteNothing)
{
    const struct {
        const char* what;
        void (*change)(EccentricPressureInput&);
    } cases[] = {
        {"one beam: Q = 0", [](EccentricPressureInput& e) { e.N = 1; }},
        {"box without top slab thickness",
         [](EccentricPressureInput& e) { e.HS = 0; e.B2 = 0.2; e.BX = 1; e.HX = 0.2; }},
        {"beyond the ordinate table", [](EccentricPressureInput& e) { e.N = 1001; }},
        {"a thousand million beams", [](EccentricPressureInput& e) { e.N = 1e9; }},
        {"more lanes than the bound", [](EccentricPressureInput& e) { e.C0 = 1001; }},
        {"a thousand million lanes", [](EccentricPressureInput& e) { e.C0 = 1e9; }},
        {"overflow", [](EccentricPressureInput& e) { e.LL = 1e200; }},
    };
    for (const auto& c : cases) {
        EccentricPressureInput changed = in;
        c.change(changed);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(eccentricPressure(changed, all, report), RunFailure) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.what;
        EXPECT_TRUE(report.lines.empty()) << c.what;
    }
}

TEST_F(TBeamBridge, BoundsThemselvesAreAccepted)
{
    in.N = 1000;
    in.C0 = 1000;
    EXPECT_EQ(run().rows.size(), 500u);

    // Lanes are only counted for the vehicle load.
    in.N = 5;
    in.C0 = 1e9;
    EXPECT_EQ(run(selectLoads(true, false, true, true)).rows.size(), 3u);
}

TEST(ResultTable, ValueTextsHaveFiveDecimalsAtMost)
{
    EXPECT_EQ(valueText(0.35), " .35");
    EXPECT_EQ(valueText(0.123456), " .12346");
    EXPECT_EQ(valueText(0), " 0");
    EXPECT_EQ(valueText(1.2), " 1.2");
    EXPECT_EQ(columnText(1.23456), " 1.23456" + blanks(7));
}

TEST(ResultTable, RowPutsMRMQMGIn15CharacterColumns)
{
    EXPECT_EQ(resultRow({1, 0.6, 0.52345, 0.41, 0.4}),
              blanks(7) + " 1" + blanks(8) + " .6" + blanks(12) + " .52345" + blanks(8) + " .41" + blanks(11) + " .4");
}

}  // namespace
