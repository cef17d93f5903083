#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "reportsink.h"
#include "runfailure.h"
#include "sectionproperties.h"

using namespace sections;
using common::InputRejected;
using common::RunFailure;

namespace {

// Strip coefficient c(t/w), written out here so the expectations show the formula.
double c(double ratio) { return (1 - 0.63 * ratio + 0.052 * std::pow(ratio, 5)) / 3; }

constexpr double kTight = 1e-12;

// Two-cell box 3 × 0.2 top slab, webs 0.6 × 1.2, 2 × 0.2 bottom slab:
// S = 0.6·1.5 + 0.72·0.8 + 0.4·0.1 = 1.516 about the bottom face, A = 1.72.
double boxII()
{
    const double y = 1.516 / 1.72;
    return 3 * 0.008 / 12 + 0.6 * std::pow(1.5 - y, 2) + 0.6 * 1.728 / 12 + 0.72 * std::pow(0.8 - y, 2) +
           2 * 0.008 / 12 + 0.4 * std::pow(0.1 - y, 2);
}
constexpr double kPi = 3.1415926;

struct WorkedExample {
    const char* name;
    std::function<SectionProperties()> run;
    SectionProperties expected;  // from hand calculation, as formulas
    SectionTexts texts;          // the result fields, nine decimals
};

void PrintTo(const WorkedExample& ex, std::ostream* os) { *os << ex.name; }

class SectionExample : public testing::TestWithParam<WorkedExample> {};

TEST_P(SectionExample, GivesTheHandCalculatedPropertiesAndFieldTexts)
{
    const WorkedExample& ex = GetParam();
    const SectionProperties p = ex.run();
    EXPECT_NEAR(p.A, ex.expected.A, kTight);
    EXPECT_NEAR(p.II, ex.expected.II, kTight);
    EXPECT_NEAR(p.IT, ex.expected.IT, kTight);

    const SectionTexts t = resultTexts(p);
    EXPECT_EQ(t.A, ex.texts.A);
    EXPECT_EQ(t.II, ex.texts.II);
    EXPECT_EQ(t.IT, ex.texts.IT);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, SectionExample,
    testing::Values(
        // 0.5 m wide, 1.0 m high: an open section where only the web strip
        // (w = HF = 1.0, t = 0.5) counts for IT.
        WorkedExample{"Rectangle",
                      [] { return beamSection({0, 0, 0.5, 0, 1.0, 0, 0}); },
                      {0.5 * 1.0, 0.5 * 1.0 * 1.0 * 1.0 / 12, c(0.5 / 1.0) * 1.0 * 0.125},
                      {" .5", " .041666667", " .028609375"}},
        // Two cells: b = 2 − 0.6/2 = 1.7, h = 1.2 + 0.1 + 0.1 = 1.4,
        // K = 1.7·(1/0.2 + 1/0.2) + 1.4·(1/0.4 + 1/0.2) = 27.5, and the top
        // flange overhangs by w = (3 − 2)/2 = 0.5 with t = 0.2.
        WorkedExample{"TwoCellBox",
                      [] { return beamSection({3, 0.2, 0.4, 0.2, 1.2, 2, 0.2}); },
                      {1.72, boxII(), 4 * 1.7 * 1.7 * 1.4 * 1.4 / 27.5 + 2 * c(0.2 / 0.5) * 0.5 * 0.008},
                      {" 1.72", " .568337984", " .825908814"}},
        // T beam, 2.0 × 0.2 flange on a 0.2 × 1.0 web: A1 = 0.4, A2 = 0.2,
        // S = 0.4·1.1 + 0.2·0.5 = 0.54, y = 0.9; open section: flange strip
        // (t/w = 0.1) plus web strip (t/w = 0.2).
        WorkedExample{"TBeam",
                      [] { return beamSection({2, 0.2, 0.2, 0, 1.0, 0, 0}); },
                      {0.6,
                       2 * 0.008 / 12 + 0.4 * 0.2 * 0.2 + 0.2 * 1.0 / 12 + 0.2 * 0.4 * 0.4,
                       c(0.1) * 2 * 0.008 + c(0.2) * 1.0 * 0.008},
                      {" .6", " .066", " .007328047"}},
        WorkedExample{"Annulus",
                      [] { return annulus({0.5, 0.3}); },
                      {kPi * 0.8 * 0.2, kPi * 0.34 * 0.16 / 4, 2 * kPi * 0.34 * 0.16 / 4},
                      {" .502654816", " .042725659", " .085451319"}},
        // One void: t1 = (0.6 − 0.4 − 0.1)/2 = 0.05, t2 = (1 − 0.4)/2 = 0.3,
        // K = 2·0.7/0.05 + 2·0.55/0.3.
        WorkedExample{"HollowSlab",
                      [] { return hollowSlab({1.0, 0.6, 0.4, 0.1, 0, 1}); },
                      {0.6 - 0.4 * (0.1 + kPi * 0.4 / 4),
                       0.216 / 12 - 0.4 * 0.001 / 12 -
                           2 * (0.00686 * 0.0256 + kPi * 0.16 / 8 * std::pow(0.05 + 0.2122 * 0.4, 2)),
                       4 * 0.7 * 0.7 * 0.55 * 0.55 / (2 * 0.7 / 0.05 + 2 * 0.55 / 0.3)},
                      {" .434336296", " .015329283", " .018723158"}}),
    [](const testing::TestParamInfo<WorkedExample>& info) { return std::string(info.param.name); });

TEST(BoxTorsion, EquallyWideFlangesAddNoOverhangStrips)
{
    // b = 2 − 0.3 = 1.7, h = 1.4, K = 1.7·10 + 1.4·(1/0.4 + 1/0.2) = 27.5
    const SectionProperties p = beamSection({2, 0.2, 0.4, 0.2, 1.2, 2, 0.2});
    EXPECT_NEAR(p.IT, 4 * 1.7 * 1.7 * 1.4 * 1.4 / 27.5, kTight);
}

struct RejectedInput {
    const char* name;
    std::function<void()> run;
    const char* message;
};

void PrintTo(const RejectedInput& r, std::ostream* os) { *os << r.name; }

class InputCheck : public testing::TestWithParam<RejectedInput> {};

TEST_P(InputCheck, RejectsWithItsMessageTitled输入出错)
{
    try {
        GetParam().run();
        FAIL() << "input accepted";
    } catch (const InputRejected& e) {
        EXPECT_EQ(e.text(), GetParam().message);
        EXPECT_EQ(e.title(), "输入出错");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sections, InputCheck,
    testing::Values(
        RejectedInput{"NoSectionAtAll", [] { beamSection({0, 0, 0, 0, 0, 0, 0}); },
                      "构件的各个高度或宽度不能同时为零！"},
        // Widths without heights and heights without widths are still no section.
        RejectedInput{"EveryPartWithoutArea", [] { beamSection({2, 0, 0.2, 0, 0, 0, 0.2}); },
                      "构件的各个高度或宽度不能同时为零！"},
        RejectedInput{"OneVoidAsWideAsTheSlab", [] { hollowSlab({0.4, 0.6, 0.4, 0.1, 0, 1}); },
                      "请检查各个宽度的数值及空洞个数！"},
        // 1.0 − 2·0.4 − 0.2 leaves a binary remainder of about −5.6E-17 m,
        // which is still no side wall.
        RejectedInput{"VoidsAndWallsFillTheWidth", [] { hollowSlab({1.0, 0.6, 0.4, 0.1, 0.2, 2}); },
                      "请检查各个宽度的数值及空洞个数！"}),
    [](const testing::TestParamInfo<RejectedInput>& info) { return std::string(info.param.name); });

struct FailingRun {
    const char* name;
    std::function<void()> run;
};

void PrintTo(const FailingRun& f, std::ostream* os) { *os << f.name; }

class RunError : public testing::TestWithParam<FailingRun> {};

TEST_P(RunError, FailsTheRun) { EXPECT_THROW(GetParam().run(), RunFailure); }

INSTANTIATE_TEST_SUITE_P(
    Sections, RunError,
    testing::Values(
        FailingRun{"SingleCellBoxDividesByB2", [] { beamSection({3, 0.2, 0.4, 0, 1.2, 2, 0.2}); }},
        FailingRun{"BoxWithoutBottomSlabThickness", [] { beamSection({3, 0.2, 0.4, 0.2, 1.2, 2, 0}); }},
        FailingRun{"WebsWithoutHeight", [] { beamSection({2, 0.2, 0.2, 0, 0, 0, 0}); }},
        // A1 = 0.5 and A2 = −0.5 cancel: no centroid.
        FailingRun{"PartAreasCancel", [] { beamSection({1, 0.5, -0.5, 0, 1, 0, 0}); }},
        FailingRun{"VoidsAsHighAsTheSlab", [] { hollowSlab({1.0, 1.0, 0.5, 0.5, 0, 1}); }},
        // 0.6 − 0.4 − 0.2 is a binary remainder, not a slab above the voids.
        FailingRun{"VoidsAsHighAsTheSlabUpToRounding", [] { hollowSlab({1.0, 0.6, 0.4, 0.2, 0, 1}); }},
        FailingRun{"Overflow", [] { annulus({1e200, 0}); }}),
    [](const testing::TestParamInfo<FailingRun>& info) { return std::string(info.param.name); });

TEST(SectionReport, IsFiveLinesStartingWithAnEmptyOne)
{
    common::ReportLines report;
    writeReport(report, resultTexts(beamSection({0, 0, 0.5, 0, 1.0, 0, 0})));
    const std::vector<std::string> expected = {
        "",
        "       ————————构件截面的几何性质————————",
        "       截面面积(m2)= .5",
        "       截面抗弯惯性矩(m4)= .041666667",
        "       截面抗扭惯性矩(m4)= .028609375",
    };
    EXPECT_EQ(report.lines, expected);
}

}  // namespace
