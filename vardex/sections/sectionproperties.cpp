#include "sectionproperties.h"

#include <cmath>

#include "numbertext.h"
#include "rounding.h"
#include "runfailure.h"

namespace sections {

using common::checked;
using common::divide;
using common::kPi;

namespace {

constexpr const char* kInputError = "输入出错";

double square(double x) { return x * x; }
double cube(double x) { return x * x * x; }

// A difference of typed dimensions that gives a wall thickness. A wall that is
// zero in decimals can come out as a binary rounding remainder
// (1.0 − 2·0.4 − 0.2 gives −5.6E-17 m), which would turn a missing wall into a
// hair-thin one and the torsional inertia into nonsense; a remainder below
// 1E-12 of the dimensions it was worked out from counts as zero.
double zeroIfRemainder(double difference, double dimensions)
{
    return std::abs(checked(difference)) <= 1e-12 * dimensions ? 0.0 : difference;
}

}  // namespace

StackedAreas stackedAreas(const StackedRectangles& r)
{
    StackedAreas a{};
    a.A1 = checked(r.BS * r.HS);
    a.A2 = checked(r.BW * r.HF);
    a.A3 = checked(r.BX * r.HX);
    a.A = checked(a.A1 + a.A2 + a.A3);
    a.S = checked(a.A1 * (r.HS / 2 + r.HF + r.HX) + a.A2 * (r.HF / 2 + r.HX) + a.A3 * r.HX / 2);
    if (a.A1 == 0 && a.A2 == 0 && a.A3 == 0)
        throw common::InputRejected("构件的各个高度或宽度不能同时为零！", kInputError);
    return a;
}

double centroidalInertia(const StackedRectangles& r, const StackedAreas& a)
{
    const double y = divide(a.S, a.A);
    return checked(r.BS * cube(r.HS) / 12 + a.A1 * square(r.HX + r.HF + r.HS / 2 - y)  //
                   + r.BW * cube(r.HF) / 12 + a.A2 * square(r.HX + r.HF / 2 - y)       //
                   + r.BX * cube(r.HX) / 12 + a.A3 * square(r.HX / 2 - y));
}

double stripTorsion(double w, double t)
{
    const double ratio = divide(t, w);
    const double c = checked((1 - 0.63 * ratio + 0.052 * std::pow(ratio, 5)) / 3);
    return checked(c * w * cube(t));
}

double boxTorsion(const StackedRectangles& r, double B11, double B2)
{
    const double b = (r.BS < r.BX ? r.BS : r.BX) - r.BW / 2;
    const double h = r.HF + r.HS / 2 + r.HX / 2;
    const double K = checked(b * (divide(1, r.HS) + divide(1, r.HX)) + h * (divide(1, B11) + divide(1, B2)));
    double IT = divide(checked(4 * square(b) * square(h)), K);

    // The wider flange reaches beyond the cell on both sides.
    const bool topWider = r.BS > r.BX;
    const double w = topWider ? (r.BS - r.BX) / 2 : (r.BX - r.BS) / 2;
    const double t = topWider ? r.HS : r.HX;
    if (w > 0)
        IT = checked(IT + 2 * stripTorsion(w, t));
    return IT;
}

SectionProperties beamSection(const BeamSectionInput& in)
{
    const StackedRectangles r{in.BS, in.HS, in.B11 + in.B2, in.HF, in.BX, in.HX};
    const StackedAreas a = stackedAreas(r);
    SectionProperties p{a.A, centroidalInertia(r, a), 0};

    if (in.BS != 0 && in.BX != 0 && in.B11 != 0) {
        p.IT = boxTorsion(r, in.B11, in.B2);
    } else {
        if (r.BS != 0)
            p.IT += stripTorsion(r.BS, r.HS);
        if (r.BW != 0)
            p.IT += stripTorsion(r.HF, r.BW);  // all webs as one strip of width HF
        if (r.BX != 0)
            p.IT += stripTorsion(r.BX, r.HX);
        p.IT = checked(p.IT);
    }
    return p;
}

SectionProperties annulus(const AnnulusInput& in)
{
    const double R1 = in.R1, R2 = in.R2;
    SectionProperties p{};
    p.A = checked(kPi * (R1 + R2) * (R1 - R2));
    p.II = checked(kPi * (square(R1) + square(R2)) * (square(R1) - square(R2)) / 4);
    p.IT = checked(2 * p.II);
    return p;
}

SectionProperties hollowSlab(const HollowSlabInput& in)
{
    const double B = in.B, H = in.H, D = in.D, H1 = in.H1, B1 = in.B1, N = in.N;
    SectionProperties p{};
    p.A = checked(B * H - N * D * (H1 + kPi * D / 4));
    // Each void: the D × H1 rectangle and two half discs, each with its own
    // inertia 0.00686·D⁴ and its centroid 0.2122·D beyond the rectangle.
    p.II = checked(B * cube(H) / 12 - N * D * cube(H1) / 12 -
                   2 * N * (0.00686 * std::pow(D, 4) + (kPi * square(D) / 8) * square(H1 / 2 + 0.2122 * D)));

    // t1: the slab above and below the voids; t2: each side wall.
    const double t1 = zeroIfRemainder(H - D - H1, std::abs(H) + std::abs(D) + std::abs(H1)) / 2;
    const double t2 =
        zeroIfRemainder(B - N * D - (N - 1) * B1, std::abs(B) + std::abs(N * D) + std::abs((N - 1) * B1)) / 2;
    if (t2 == 0)
        throw common::InputRejected("请检查各个宽度的数值及空洞个数！", kInputError);

    const double K = checked(divide(2 * (B - t2), t1) + divide(2 * (H - t1), t2));
    p.IT = divide(checked(4 * square(B - t2) * square(H - t1)), K);
    return p;
}

SectionTexts resultTexts(const SectionProperties& p)
{
    return {common::maskedNumberText(p.A, "#####0.000000000"),
            common::maskedNumberText(p.II, "######0.000000000"),
            common::maskedNumberText(p.IT, "######0.000000000")};
}

void writeReport(common::ReportSink& sink, const SectionTexts& texts)
{
    const std::string indent(7, ' ');
    sink.appendLine("");
    sink.appendLine(indent + "————————构件截面的几何性质————————");
    sink.appendLine(indent + "截面面积(m2)=" + texts.A);
    sink.appendLine(indent + "截面抗弯惯性矩(m4)=" + texts.II);
    sink.appendLine(indent + "截面抗扭惯性矩(m4)=" + texts.IT);
}

}  // namespace sections
