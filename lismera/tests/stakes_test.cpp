#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "reportsink.h"
#include "rounding.h"
#include "runfailure.h"
#include "stakes.h"
#include "transitioncurve.h"

using namespace lismera;
using common::kPi;

namespace {

// Main point chainages only: the stepping reads nothing else.
CurveElements mainPoints(double LS, double ZH, double HY, double QZ, double YH, double HZ)
{
    CurveElements e;
    e.R = 500;
    e.LS = LS;
    e.ZH = ZH;
    e.HY = HY;
    e.QZ = QZ;
    e.YH = YH;
    e.HZ = HZ;
    return e;
}

std::vector<double> everyTen(double from, double to)
{
    std::vector<double> v;
    for (double V = from; V <= to; V += 10)
        v.push_back(V);
    return v;
}

}  // namespace

// JD = 1000, α = 30°, R = 500, LS = 100 (worked by hand in transitioncurve_test).
class StakesOnTransitionCurve : public ::testing::Test {
protected:
    const CurveElements e = curveElements({1000, 30, 500, 100});
};

TEST_F(StakesOnTransitionCurve, AMainPointTakesThePartThatFollowsIt)
{
    // HY: the arc at φ = β0, not the end of the transition.
    const Stake atHY = stakeAt(e, e.HY);
    EXPECT_NEAR(atHY.X, e.Q + 500 * std::sin(0.1), 1e-9);
    EXPECT_NEAR(atHY.Y, e.P + 500 * (1 - std::cos(0.1)), 1e-9);
    // YH: the second transition at s = LS, not the end of the arc:
    //   X = 100 − 100⁵/(40·500²·100²) = 99.9,  Y = 100³/(6·500·100) − 100⁷/(336·500³·100³)
    const Stake atYH = stakeAt(e, e.YH);
    EXPECT_NEAR(atYH.X, 99.9, 1e-9);
    EXPECT_NEAR(atYH.Y, 10.0 / 3 - 1.0 / 420, 1e-9);
    EXPECT_NEAR(atYH.Pj, std::atan(atYH.Y / atYH.X), 1e-15);
    // ZH and HZ lie on the tangents.
    for (double V : {e.ZH, e.HZ}) {
        const Stake k = stakeAt(e, V);
        EXPECT_EQ(k.X, 0);
        EXPECT_EQ(k.Y, 0);
        EXPECT_EQ(k.Pj, 0);
    }
}

TEST_F(StakesOnTransitionCurve, StakesOnTheTangentsAreMeasuredFromTheNearerEnd)
{
    EXPECT_EQ(stakeRow(stakeAt(e, e.ZH - 25)), "      790.819      25          0         0° 0′ 0″");
    EXPECT_EQ(stakeRow(stakeAt(e, e.HZ + 12.5)), "      1190.118     12.5        0         0° 0′ 0″");
}

TEST_F(StakesOnTransitionCurve, TheTableStepsThroughWholeTensAndTheMainPoints)
{
    std::vector<double> expected{e.ZH};
    for (const auto& [from, to, point] : {std::tuple{820.0, 900.0, e.HY}, {920.0, 980.0, e.QZ},
                                          {1000.0, 1060.0, e.YH}, {1080.0, 1160.0, e.HZ}}) {
        const std::vector<double> tens = everyTen(from, to);
        expected.insert(expected.end(), tens.begin(), tens.end());
        expected.push_back(point);
    }
    EXPECT_EQ(stakeTableChainages(e), expected);
}

TEST(StakeTable, MainPointsReplaceTheWholeTenBeforeThem)
{
    const struct {
        const char* name;
        CurveElements e;
        std::vector<double> stakes;
    } cases[] = {
        {"simple curve: QZ takes 1040's place, HZ 1090's",
         mainPoints(0, 1003, 1003, 1047, 1091, 1091),
         {1003, 1010, 1020, 1030, 1047, 1050, 1060, 1070, 1080, 1091}},
        // At 1010, QZ (1008) is taken, and YH (1013) lies within ten metres of
        // it, so YH takes its place in the same step.
        {"short simple curve: YH follows QZ at once", mainPoints(0, 1003, 1003, 1008, 1013, 1013),
         {1003, 1013}},
        // At 90, HY is taken, then QZ near HY, then YH near QZ.
        {"short transition curve: HY and QZ give way to YH",
         mainPoints(20, 72.341, 92.341, 99.795, 107.248, 127.248), {72.341, 80, 107.248, 110, 127.248}},
        {"main points on whole tens are listed once", mainPoints(10, 1000, 1010, 1030, 1050, 1060),
         everyTen(1000, 1060)},
        {"no arc between the transitions", mainPoints(20, 1000, 1020, 1020, 1020, 1040), everyTen(1000, 1040)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stakeTableChainages(c.e), c.stakes) << c.name;
}

TEST(StakeTable, HoldsAtMostOneHundredThousandStakes)
{
    // 0, 10, ..., 999990: exactly 100000 stakes.
    EXPECT_EQ(stakeTableChainages(mainPoints(0, 0, 0, 500000, 999990, 999990)).size(), 100000u);
    try {
        stakeTableChainages(mainPoints(0, 0, 0, 500000, 1000000, 1000000));
        ADD_FAILURE() << "100001 stakes not refused";
    } catch (const common::InputRejected& r) {
        EXPECT_EQ(r.text(), "曲线过长，加桩数超过100000个，请重新拟定！");
        EXPECT_EQ(r.title(), "");
    }
}

TEST(StakeCoordinates, OnASimpleCurveEveryStakeIsOnTheArc)
{
    // Without transitions the arc starts at ZH and ends at HZ: 40 m from
    // either end, φ = 40/500 = .08, and the deflection is half of φ.
    const CurveElements e = curveElements({1000, 30, 500, 0});
    for (double V : {e.ZH + 40, e.HZ - 40}) {
        const Stake k = stakeAt(e, V);
        EXPECT_NEAR(k.X, 500 * std::sin(0.08), 1e-9) << V;
        EXPECT_NEAR(k.Y, 500 * (1 - std::cos(0.08)), 1e-9) << V;
        EXPECT_NEAR(k.Pj, 0.04, 1e-12) << V;
    }
}

TEST(StakeRow, ANumberTooLongForItsColumnIsStillWritten)
{
    // An arc of R = 20000 from ZH = 0: at V = 24000, φ = 1.2 rad, so
    // X = 20000·sin 1.2 = 18640.782 and Y = 20000·(1 − cos 1.2) = 12752.845,
    // ten characters for a column of nine; Pj = φ/2 = .6 rad = 34.3775°.
    CurveElements e = mainPoints(0, 0, 0, 30000, 60000, 60000);
    e.R = 20000;
    EXPECT_EQ(stakeRow(stakeAt(e, 24000)), "      24000        18640.782   12752.845  34° 22′ 38.8″");
}

TEST(SingleStake, BeforeAnyCurveOnlyTheTangentApplies)
{
    const CurveElements none;  // all zero, as before the first curve run
    const struct {
        double JZ;
        const char* row;
    } cases[] = {
        {0, "      0            0           0         0° 0′ 0″"},
        {25, "      25           25          0         0° 0′ 0″"},
        {-7.5, "     -7.5          7.5         0         0° 0′ 0″"},
    };
    for (const auto& c : cases) {
        common::ReportLines report;
        writeSingleStake(report, none, c.JZ);
        EXPECT_EQ(report.lines, std::vector<std::string>{c.row}) << c.JZ;
    }
}
