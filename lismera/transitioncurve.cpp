#include "transitioncurve.h"

#include <cmath>
#include <vector>

#include "numbertext.h"
#include "rounding.h"
#include "runfailure.h"
#include "stakes.h"

namespace lismera {

using common::checked;
using common::divide;
using common::Int;
using common::kPi;
using common::numberText;
using common::power;

namespace {

// Whole minutes of the packed angle, counted from zero: 5635 for 56.3537.
// A typed decimal such as 56.29 has no exact binary form, and α·100 can come
// out a rounding error below 5629; Int would then give 56°28′ and push the lost
// minute into the seconds (or drop it). A count that close below a whole number
// is taken as that whole number. The tolerance is far above the rounding error
// of the product and far below anything a user types as a packed angle.
double wholeMinutes(double A)
{
    const double nearest = std::nearbyint(A);
    if (nearest > A && nearest - A <= 1e-12 * std::fabs(A))
        return nearest;
    return Int(A);
}

// An element as the report writes it: to 3 decimals, Int(1000·x + 0.5)/1000.
std::string to3(double x) { return numberText(common::roundTo(x, 3)); }

}  // namespace

CurveElements curveElements(const CurveInputs& in)
{
    if (in.alpha == 0 || in.R == 0)
        throw common::InputRejected("对不起，偏角角度及曲线半径不能为零！", "");

    const double R = in.R;
    const double LS = in.LS;
    CurveElements e;
    e.R = R;
    e.LS = LS;

    // Degrees and minutes both come from the one count of whole minutes, so
    // they cannot disagree; the seconds are the rest, to the nearest whole
    // second (an exact half to the even second).
    const double A = checked(in.alpha * 100);
    const double minutes = wholeMinutes(A);
    e.D = Int(minutes / 100);
    e.M = minutes - 100 * e.D;
    e.S = common::roundHalfEven((A - minutes) * 100);

    const double alpha_d = e.D + e.M / 60 + e.S / 3600;
    e.alpha_r = kPi * alpha_d / 180;
    e.beta0 = divide(LS, 2 * R);

    // Shift and tangent offset of the clothoid, from its series to the terms shown.
    e.P = checked(divide(LS * LS, 24 * R) - divide(power(LS, 4), 2688 * power(R, 3)));
    e.Q = checked(LS / 2 - divide(power(LS, 3), 240 * R * R));

    e.Th = checked((R + e.P) * std::tan(e.alpha_r / 2) + e.Q);
    e.Lh = checked(R * (e.alpha_r - 2 * e.beta0) + 2 * LS);
    e.Eh = checked(divide(R + e.P, std::cos(e.alpha_r / 2)) - R);
    e.Ly = checked(e.Lh - 2 * LS);

    e.ZH = checked(in.JD - e.Th);
    e.HY = checked(e.ZH + LS);
    e.QZ = checked(e.HY + e.Ly / 2);
    e.YH = checked(e.HY + e.Ly);
    e.HZ = checked(e.ZH + e.Lh);
    return e;
}

void checkCurveFits(const CurveElements& e)
{
    // The two transitions turn the line by 2·β0 between them; the arc turns
    // the rest, which must not be negative.
    if (e.alpha_r < 2 * e.beta0)
        throw common::InputRejected("平曲线半径过短或Lismera长度过长，请重新拟定！", "");
    stakeTableChainages(e);  // refuses a table of more than kMaxStakes stakes
}

void writeCurveReport(common::ReportSink& report, const CurveInputs& in,
                      const std::string& radiusText, const CurveElements& e)
{
    checkCurveFits(e);

    std::vector<std::string> lines{
        "             ～～～原 始 数 据～～～",
        "",
        "     交点桩号JD=" + numberText(in.JD) + "     " + "偏角角度α＝" + numberText(e.D) + "°" +
            numberText(e.M) + "′" + numberText(e.S) + "″",
        "     曲线半径R ＝" + radiusText + "     " + "LismeraLS＝" + numberText(e.LS),
        "",
        "",
        "             －－－曲 线 要 素－－－",
        "",
        "     ZH＝" + to3(e.ZH) + "   " + "HY＝" + to3(e.HY) + "   " + "QZ＝" + to3(e.QZ),
        "     YH＝" + to3(e.YH) + "   " + "HZ＝" + to3(e.HZ),
        "     Th＝" + to3(e.Th) + "   " + "Eh＝" + to3(e.Eh) + "   " + "Lh＝" + to3(e.Lh),
        "     Ly＝" + to3(e.Ly) + "   " + "P＝" + to3(e.P) + "   " + "Q＝" + to3(e.Q),
        "",
        "",
    };
    const std::vector<std::string> table = stakeTableLines(e);
    lines.insert(lines.end(), table.begin(), table.end());

    for (const std::string& line : lines)
        report.appendLine(line);
}

}  // namespace lismera
