#include "stakes.h"

#include <cmath>

#include "numbertext.h"
#include "rounding.h"
#include "runfailure.h"

namespace lismera {

using common::checked;
using common::divide;
using common::Int;
using common::numberText;
using common::power;

namespace {

// Offsets of the point at arc length s along a clothoid from its tangent point.
void onTransition(const CurveElements& e, double s, Stake& k)
{
    const double R = e.R;
    const double LS = e.LS;
    k.X = checked(s - divide(power(s, 5), 40 * R * R * LS * LS));
    k.Y = checked(divide(power(s, 3), 6 * R * LS) - divide(power(s, 7), 336 * power(R, 3) * power(LS, 3)));
}

// Offsets of the point at arc length s along the circular arc from its end
// at the transition; the arc starts turned by β0 and shifted by Q and P.
void onArc(const CurveElements& e, double s, Stake& k)
{
    const double phi = e.beta0 + divide(s, e.R);
    k.X = checked(e.Q + e.R * std::sin(phi));
    k.Y = checked(e.P + e.R * (1 - std::cos(phi)));
}

// x to 3 decimals, left-aligned in a column of the given width. A number text
// that fills the column (a chainage beyond 10000 km, an offset Y beyond 10 km)
// is still written, followed by one blank, rather than left out of the row.
std::string cell(double x, std::size_t width)
{
    const std::string text = numberText(common::roundTo(x, 3));
    if (text.size() >= width)
        return text + " ";
    return common::padRight(text, width);
}

}  // namespace

Stake stakeAt(const CurveElements& e, double V)
{
    Stake k;
    k.V = V;

    // The parts are tested in order and a later one that holds wins: a stake
    // at HY takes the arc, at QZ the second half of the arc, at YH the second
    // transition. All-zero elements (no curve computed yet) have no arc to be
    // on, and the arc offsets would divide by R = 0; there only the tangents
    // apply, so every chainage V gets X = |V|, Y = 0 and no deflection.
    if (V <= e.ZH) {
        k.X = checked(e.ZH - V);
        k.Y = 0;
    }
    if (e.R != 0) {
        if (e.ZH < V && V <= e.HY)
            onTransition(e, V - e.ZH, k);
        if (e.HY <= V && V <= e.QZ)
            onArc(e, V - e.HY, k);
        if (e.QZ <= V && V <= e.YH)
            onArc(e, e.YH - V, k);
        if (e.YH <= V && V < e.HZ)
            onTransition(e, e.HZ - V, k);
    }
    if (V >= e.HZ) {
        k.X = checked(V - e.HZ);
        k.Y = 0;
    }

    k.Pj = k.X == 0 ? 0 : std::atan(divide(k.Y, k.X));
    const double degrees = 180 * k.Pj / common::kPi;
    k.Dd = Int(degrees);
    k.Mm = Int(60 * (degrees - k.Dd));
    k.Ss = 60 * (60 * (degrees - k.Dd) - k.Mm);
    return k;
}

std::string stakeRow(const Stake& s)
{
    return "     " + cell(s.V, 13) + cell(s.X, 12) + cell(s.Y, 10) + numberText(s.Dd) + "°" + numberText(s.Mm) +
           "′" + numberText(common::cutTo(s.Ss, 1)) + "″";
}

std::vector<double> stakeTableChainages(const CurveElements& e)
{
    std::vector<double> chainages;
    double V = e.ZH;
    int counter = 1;  // which main point is due: 1 HY (QZ when LS = 0), 2 QZ, 3 YH, 4 HZ
    for (;;) {
        // Counting the stakes also ends a table whose chainages are so large
        // that adding ten metres no longer changes them.
        if (chainages.size() == kMaxStakes)
            throw common::InputRejected("曲线过长，加桩数超过100000个，请重新拟定！", "");
        chainages.push_back(V);

        V = 10 * Int(V / 10) + 10;

        // A main point due less than ten metres beyond the next whole ten
        // takes that stake's place. The six tests run in order on the current
        // V and counter, so a main point just taken can at once give way to
        // the next one if that is near it too.
        const auto takeIfNear = [&](double point, bool due) {
            if (due && V - 10 < point && point < V + 10) {
                V = point;
                ++counter;
            }
        };
        takeIfNear(e.QZ, counter == 1 && e.LS == 0);
        takeIfNear(e.YH, counter == 2 && e.LS == 0);
        takeIfNear(e.HY, counter == 1 && e.LS != 0);
        takeIfNear(e.QZ, counter == 2);
        takeIfNear(e.YH, counter == 3);
        takeIfNear(e.HZ, counter == 4);

        if (V > e.HZ)
            return chainages;
    }
}

std::vector<std::string> stakeTableLines(const CurveElements& e)
{
    std::vector<std::string> lines{
        "             －－－加桩计算结果－－－",
        "",
        std::string("     加桩桩号＝") + "    坐标X＝" + "     坐标Y＝" + "     偏角Pj＝",
    };
    for (double V : stakeTableChainages(e))
        lines.push_back(stakeRow(stakeAt(e, V)));
    return lines;
}

void writeSingleStake(common::ReportSink& report, const CurveElements& e, double JZ)
{
    report.appendLine(stakeRow(stakeAt(e, JZ)));
}

}  // namespace lismera
