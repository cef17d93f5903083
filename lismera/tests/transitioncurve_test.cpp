#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "reportsink.h"
#include "rounding.h"
#include "runfailure.h"
#include "transitioncurve.h"

using namespace lismera;
using common::kPi;

namespace {

const std::string kZeroAngleOrRadius = "对不起，偏角角度及曲线半径不能为零！";
const std::string kArcTooShort = "平曲线半径过短或Lismera长度过长，请重新拟定！";
const std::string kTooManyStakes = "曲线过长，加桩数超过100000个，请重新拟定！";

// Runs f and expects it to refuse with the given message under the program's own title.
template <typename F>
void expectRejected(F f, const std::string& text)
{
    try {
        f();
        ADD_FAILURE() << "not refused; expected " << text;
    } catch (const common::InputRejected& r) {
        EXPECT_EQ(r.text(), text);
        EXPECT_EQ(r.title(), "");
    }
}

}  // namespace

TEST(CurveElements, PackedAngleIsReadAsDegreesMinutesAndSeconds)
{
    const struct {
        double alpha;
        double D, M, S;
        const char* why;
    } cases[] = {
        {56.3537, 56, 35, 37, "56°35′37″"},
        {90, 90, 0, 0, "whole degrees"},
        // Whole minutes whose decimal has no exact binary form: 100·α or
        // (α − D)·100 falls just below the whole number, and a plain Int loses
        // a minute (56°28′0″, 0°28′100″, 1°19′0″).
        {56.29, 56, 29, 0, "56.29 is stored below 56.29"},
        {0.29, 0, 29, 0, "0.29·100 is below 29"},
        {1.2, 1, 20, 0, "1.2 − 1 is below .2"},
        {56.35375, 56, 35, 38, "37.5 seconds go to the even 38"},
        {0.00125, 0, 0, 12, "12.5 seconds go to the even 12"},
        // Taken as it stands: Int(−56.3537) = −57, 100·(−56.3537 + 57) = 64.63.
        {-56.3537, -57, 64, 63, "negative angle"},
    };
    for (const auto& c : cases) {
        const CurveElements e = curveElements({0, c.alpha, 100, 0});
        EXPECT_EQ(e.D, c.D) << c.why;
        EXPECT_EQ(e.M, c.M) << c.why;
        EXPECT_EQ(e.S, c.S) << c.why;
    }
    EXPECT_DOUBLE_EQ(curveElements({0, 56.3537, 100, 0}).alpha_r, kPi * (56 + 35.0 / 60 + 37.0 / 3600) / 180);
}

TEST(CurveElements, ZeroAngleOrRadiusIsRefused)
{
    expectRejected([] { curveElements({1000, 0, 500, 100}); }, kZeroAngleOrRadius);
    expectRejected([] { curveElements({1000, 30, 0, 100}); }, kZeroAngleOrRadius);
}

TEST(CurveElements, WithoutTransitionsTheCurveIsASimpleArc)
{
    const CurveElements e = curveElements({1000, 30, 500, 0});
    const double alpha_r = kPi / 6;
    EXPECT_EQ(e.beta0, 0);
    EXPECT_EQ(e.P, 0);
    EXPECT_EQ(e.Q, 0);
    EXPECT_NEAR(e.Th, 500 * std::tan(alpha_r / 2), 1e-9);
    EXPECT_NEAR(e.Lh, 500 * alpha_r, 1e-9);
    EXPECT_NEAR(e.Eh, 500 / std::cos(alpha_r / 2) - 500, 1e-9);
    EXPECT_EQ(e.Ly, e.Lh);
    EXPECT_EQ(e.ZH, e.HY);
    EXPECT_EQ(e.YH, e.HZ);
    EXPECT_NEAR(e.QZ, e.ZH + e.Lh / 2, 1e-9);
}

// β0 = 200/(2·100) = 1 rad, so the two transitions alone turn 2 rad, more
// than the 90° (1.571 rad) of the whole curve.
TEST(CurveElements, TransitionsLongerThanTheCurveAreRefusedButTheElementsRemain)
{
    const CurveInputs in{1000, 90, 100, 200};
    const CurveElements e = curveElements(in);
    EXPECT_EQ(e.beta0, 1);
    EXPECT_LT(e.Ly, 0);

    expectRejected([&] { checkCurveFits(e); }, kArcTooShort);
    common::ReportLines report;
    expectRejected([&] { writeCurveReport(report, in, "100", e); }, kArcTooShort);
    EXPECT_TRUE(report.lines.empty());
}

TEST(CurveElements, ACurveWithTooManyStakesIsRefusedBeforeAnyLine)
{
    // R = 1e9 m over 90°: about 1.6e9 m of curve, 1.6e8 ten-metre stakes.
    const CurveInputs huge{1000, 90, 1e9, 0};
    const CurveElements e = curveElements(huge);
    expectRejected([&] { checkCurveFits(e); }, kTooManyStakes);
    common::ReportLines report;
    expectRejected([&] { writeCurveReport(report, huge, "1e9", e); }, kTooManyStakes);
    EXPECT_TRUE(report.lines.empty());

    // A short curve at a chainage where adding ten metres changes nothing
    // would step on the spot for ever.
    expectRejected([] { checkCurveFits(curveElements({1e20, 30, 500, 100})); }, kTooManyStakes);
}

TEST(CurveElements, AResultThatCannotBeRepresentedFailsTheRun)
{
    // R³ = 1e-900 is no double: P would divide by zero.
    EXPECT_THROW(curveElements({1000, 30, 1e-300, 1}), common::RunFailure);
}

// JD = 1000, α = 30°, R = 500, LS = 100, worked by hand:
//   β0 = 100/1000 = .1          αr/2 = 15° (with π = 3.1415926)
//   P  = 100²/(24·500) − 100⁴/(2688·500³) = .833333 − .000298 = .833036
//   Q  = 100/2 − 100³/(240·500²)          = 50 − .016667       = 49.983333
//   Th = (500 + P)·tan 15° + Q = 500.833036·.267949 + 49.983333 = 184.181138
//   Eh = (500 + P)/cos 15° − 500 = 500.833036/.965926 − 500     = 18.500512
//   Lh = 500·(.523599 − .2) + 200 = 361.799383;  Ly = Lh − 200 = 161.799383
//   ZH = 1000 − Th = 815.818862, HY = ZH + 100, QZ = HY + Ly/2, YH = HY + Ly, HZ = ZH + Lh
TEST(CurveReport, TransitionCurveWorkedByHand)
{
    const CurveInputs in{1000, 30, 500, 100};
    const CurveElements e = curveElements(in);
    EXPECT_DOUBLE_EQ(e.beta0, 0.1);
    EXPECT_NEAR(e.P, 100.0 * 100 / (24 * 500) - 1e8 / (2688 * 1.25e8), 1e-12);
    EXPECT_NEAR(e.Q, 50 - 1e6 / (240 * 250000.0), 1e-12);

    common::ReportLines report;
    writeCurveReport(report, in, "500", e);
    const std::vector<std::string>& lines = report.lines;
    ASSERT_EQ(lines.size(), 17u + 37u);  // 17 lines before the rows, 37 stakes
    EXPECT_EQ(lines[2], "     交点桩号JD= 1000     偏角角度α＝ 30° 0′ 0″");
    EXPECT_EQ(lines[8], "     ZH＝ 815.819   HY＝ 915.819   QZ＝ 996.719");
    EXPECT_EQ(lines[9], "     YH＝ 1077.618   HZ＝ 1177.618");
    EXPECT_EQ(lines[10], "     Th＝ 184.181   Eh＝ 18.501   Lh＝ 361.799");
    EXPECT_EQ(lines[11], "     Ly＝ 161.799   P＝ .833   Q＝ 49.983");

    // 820: on the first transition, s = 4.181138: X = s − s⁵/(40·500²·100²) = 4.181,
    //      Y = s³/(6·500·100) = .000244, Pj = 12.0″.
    EXPECT_EQ(lines[18], "      820          4.181       0         0° 0′ 12″");
    // HY (stake 11): φ = β0: X = Q + 500·sin .1 = 99.900, Y = P + 500·(1 − cos .1) = 3.331,
    //      Pj = atan(3.331/99.9) = 1.9097° = 1°54′34.9″.
    EXPECT_EQ(lines[27], "      915.819      99.9        3.331     1° 54′ 34.9″");
    // QZ (stake 19): φ = β0 + Ly/(2R) = αr/2 = 15°: X = Q + 500·sin 15° = 179.393,
    //      Y = P + 500·(1 − cos 15°) = 17.870, Pj = atan(17.870/179.393) = 5.6887°.
    EXPECT_EQ(lines[35], "      996.719      179.393     17.87     5° 41′ 19.3″");
    EXPECT_EQ(lines.back(), "      1177.618     0           0         0° 0′ 0″");
}

// JD = 100, α = 20°, R = 100 typed as "100.0", LS = 20, worked by hand:
//   P = 400/2400 − 160000/(2688·1e6) = .166607,  Q = 10 − 8000/(240·1e4) = 9.996667
//   Th = 100.166607·tan 10° + Q = 27.658742,     Eh = 100.166607/cos 10° − 100 = 1.711838
//   Lh = 100·(.349066 − .2) + 40 = 54.906584,    Ly = 14.906584
//   ZH = 72.341258, HY = 92.341258, QZ = 99.794550, YH = 107.247843, HZ = 127.247843
// Stakes: ZH; 80; HY, QZ and YH in the places of 90, 100 and 100 again; 110; HZ in place of 120.
TEST(CurveReport, FullReportOfAShortCurve)
{
    const CurveInputs in{100, 20, 100, 20};
    common::ReportLines report;
    writeCurveReport(report, in, "100.0", curveElements(in));

    const std::vector<std::string> expected{
        "             ～～～原 始 数 据～～～",
        "",
        "     交点桩号JD= 100     偏角角度α＝ 20° 0′ 0″",
        "     曲线半径R ＝100.0     LismeraLS＝ 20",
        "",
        "",
        "             －－－曲 线 要 素－－－",
        "",
        "     ZH＝ 72.341   HY＝ 92.341   QZ＝ 99.795",
        "     YH＝ 107.248   HZ＝ 127.248",
        "     Th＝ 27.659   Eh＝ 1.712   Lh＝ 54.907",
        "     Ly＝ 14.907   P＝ .167   Q＝ 9.997",
        "",
        "",
        "             －－－加桩计算结果－－－",
        "",
        "     加桩桩号＝    坐标X＝     坐标Y＝     偏角Pj＝",
        // s = 7.658742: X = s − s⁵/(40·100²·20²) = 7.659, Y = s³/(6·100·20) = .037
        "      72.341       0           0         0° 0′ 0″",
        "      80           7.659       .037      0° 16′ 48.2″",
        // At the 90 stake HY is due and taken, QZ lies within ten metres of
        // it and YH within ten metres of QZ, so YH takes that stake's place.
        // YH on the transition at s = LS: X = 20 − 20³/(40·100²) = 19.98, Y = 20²/600 − ... = .666
        "      107.248      19.98       .666      1° 54′ 34.9″",
        "      110          17.238      .427      1° 25′ 13.2″",
        "      127.248      0           0         0° 0′ 0″",
    };
    EXPECT_EQ(report.lines, expected);
}
