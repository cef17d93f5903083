#include "eccentricpressure.h"

#include <memory>
#include <utility>

#include "numbertext.h"
#include "rounding.h"
#include "sectionproperties.h"

namespace distribution {

using common::checked;
using common::divide;
using common::RunFailure;

namespace {

// η(i, k): the ordinate of the influence line of beam i at the position of beam k.
using OrdinateRow = common::FixedArray<double, 0, kOrdinateBound>;
using OrdinateTable = common::FixedArray<OrdinateRow, 0, kOrdinateBound>;

double square(double x) { return x * x; }

// Open sections (T beams) add up the strips of the top flange, of all webs as
// one strip of width HF, and of the bottom slab; a box with all four widths
// positive is a closed cell.
double torsionalInertia(const EccentricPressureInput& in, const sections::StackedRectangles& r)
{
    if (in.BS > 0 && in.BX > 0 && in.B1 > 0 && in.B2 > 0)
        return sections::boxTorsion(r, in.B1, in.B2);
    double IT = 0;
    if (in.BS > 0)
        IT += sections::stripTorsion(in.BS, in.HS);
    if (r.BW >= 0)
        IT += sections::stripTorsion(in.HF, r.BW);
    if (in.BX > 0)
        IT += sections::stripTorsion(in.BX, in.HX);
    return checked(IT);
}

// β = 1 / (1 + G/E · X · IT / I) with G/E = 0.425 and X = N·LL² / (6·AA²·Q);
// 6·AA²·Q is twelve times the sum of the squared distances of the beams from
// the bridge centre line. N = 1 leaves Q = 0 and fails the run.
double torsionCorrection(const EccentricPressureInput& in, double I, double IT)
{
    const double N = in.N;
    double Q = 0;
    for (long i = 1; i <= N; i += 2)
        Q = checked(Q + square(N - i));
    const double X = divide(checked(N * square(in.LL)), checked(6 * square(in.AA) * Q));
    return divide(1, checked(1 + divide(checked(0.425 * X * IT), I)));
}

// η(i, k) = 1/N + β·(c − i)·(c − k)/D for the beams i from the edge to the
// middle, c = (N + 1)/2 being the bridge centre line and D the sum of (k − c)².
std::unique_ptr<OrdinateTable> influenceOrdinates(double N, double beta)
{
    const double c = (N + 1) / 2;
    double D = 0;
    for (long j = 1; j <= N; ++j)
        D = checked(D + square(j - 1.0));
    D = checked(D - N * square((N - 1) / 2));

    auto eta = std::make_unique<OrdinateTable>();
    for (long i = 1; i <= common::Int((N + 1) / 2); ++i)
        for (long k = 1; k <= N; ++k)
            (*eta)[i][k] = checked(divide(1, N) + divide(checked(beta * (c - i) * (c - k)), D));
    return eta;
}

// ξ: two lanes carry their full load, three lanes 0.78 of it, four or more 0.67.
double laneReduction(long lanes) { return lanes < 3 ? 1.0 : lanes == 3 ? 0.78 : 0.67; }

class InfluenceLine {
public:
    // The line of beam i through η(i, 1) and η(i, N), as ordinate ηc under the
    // bridge centre line and slope s per metre towards beam 1.
    InfluenceLine(const OrdinateRow& eta, const EccentricPressureInput& in)
    {
        etaC = checked((eta[1] + eta[in.N]) / 2);
        s = divide(eta[1] - eta[in.N], checked((in.N - 1) * in.AA));
    }
    // The ordinate x metres from the centre line towards beam 1.
    double at(double x) const { return checked(etaC + s * x); }

    double etaC;
    double s;
};

// Sidewalks at ±(BB + RR)/2: both are loaded while the far one has a positive ordinate.
double crowd(const InfluenceLine& line, const EccentricPressureInput& in)
{
    const double x = (in.BB + in.RR) / 2;
    return line.at(-x) > 0 ? checked(2 * line.etaC) : line.at(x);
}

// j lanes side by side from the kerb; their vehicle centre lines lie 1.4 m,
// 4.5 m, 7.6 m … from it, so their resultant is 1.4 + 1.55·(j − 1) from the
// kerb. The largest reduced effect over j = 1 .. C0 governs.
double vehicle(const InfluenceLine& line, const EccentricPressureInput& in)
{
    if (in.C0 > kOrdinateBound)
        throw RunFailure("more lanes than the bound");
    double MQ = 0;
    for (long j = 1; j <= in.C0; ++j) {
        const double x = in.BB / 2 - 1.4 - 1.55 * (j - 1);
        const double m = checked(laneReduction(j) * j * line.at(x));
        if (m > MQ)
            MQ = m;
    }
    return MQ;
}

BeamCoefficients coefficients(long i, const OrdinateRow& eta, const EccentricPressureInput& in,
                              const LoadSelection& loads)
{
    const InfluenceLine line(eta, in);
    BeamCoefficients row{i, 0, 0, 0, 0};
    for (long k = 1; k <= 4; ++k) {
        switch (loads.code[k]) {
        case kCrowd: row.MR = crowd(line, in); break;
        case kVehicle: row.MQ = vehicle(line, in); break;
        case kTrailer: row.MG = line.at((in.BB - 4.7) / 2); break;  // its axis 2.35 m from the kerb
        case kCrawler: row.ML = line.at((in.BB - 4.5) / 2); break;  // its axis 2.25 m from the kerb
        default: break;
        }
    }
    return row;
}

void writeReport(common::ReportSink& sink, const EccentricPressureInput& in, int M,
                 const std::vector<BeamCoefficients>& rows)
{
    const std::string indent(7, ' ');
    const std::string gap(12, ' ');
    sink.appendLine("");
    sink.appendLine("");
    sink.appendLine(indent + "————修正的偏心压力法（刚性横梁法）计算梁桥的横向分布系数————");
    sink.appendLine("");
    sink.appendLine(indent + "原始数据:");
    sink.appendLine("");
    const std::pair<const char*, double> inputs[] = {
        {"人行道宽度(m)RR＝", in.RR},
        {"行车道宽度(m)BB=", in.BB},
        {"梁间距(m)AA=", in.AA},
        {"计算跨径(m)LL=", in.LL},
        {"梁片(片)N=", in.N},
        {"车道数C0=", in.C0},
        {"荷载个数M=", M},
        {"梁上翼缘宽度(m)BS=", in.BS},
        {"上翼缘平均厚度(m)HS=", in.HS},
        {"两个最外侧腹板之和(m)B1=", in.B1},
        {"室与室之间的腹板之和(m)B2=", in.B2},
        {"腹板高度(m)HF=", in.HF},
        {"下翼缘底板宽度(m)BX=", in.BX},
        {"下翼缘底板平均厚度(m)HX=", in.HX},
    };
    for (const auto& [label, value] : inputs)
        sink.appendLine(indent + label + common::numberText(value));
    sink.appendLine("");
    sink.appendLine(indent + "MR表示人群荷载、MQ表示汽车荷载、MG表示挂车荷载、ML表示履带车荷载的横向分布系数");
    sink.appendLine(indent + "梁号" + gap + "MR" + gap + "MQ" + gap + "MG" + gap + "ML");
    for (const BeamCoefficients& row : rows)
        sink.appendLine(resultRow(row));
}

}  // namespace

LoadSelection selectLoads(bool chkrq, bool chkqc, bool chkgc, bool chkld)
{
    LoadSelection loads;
    const bool ticked[] = {chkrq, chkqc, chkgc, chkld};
    for (int k = 1; k <= 4; ++k) {
        loads.code[k] = ticked[k - 1] ? k : 0;
        if (ticked[k - 1])
            ++loads.M;
    }
    if (loads.M == 0)
        throw common::InputRejected("请选择需要计算横向分布系数的荷载！", "请选择");
    return loads;
}

EccentricPressureResult eccentricPressure(const EccentricPressureInput& in, const LoadSelection& loads,
                                          common::ReportSink& sink)
{
    // One main beam: bottom slab, webs and top flange stacked.
    const sections::StackedRectangles r{in.BS, in.HS, in.B1 + in.B2, in.HF, in.BX, in.HX};
    const sections::StackedAreas a = sections::stackedAreas(r);
    if (in.AA == 0 || in.N == 0 || in.B1 == 0 || in.HF == 0)
        throw common::InputRejected("AA、N、B1、HF的数值不能为零！", "输入出错");

    EccentricPressureResult result{};
    result.I = sections::centroidalInertia(r, a);
    result.IT = torsionalInertia(in, r);

    // The ordinate table bounds the beams. Checked before any loop over them,
    // so that a mistyped N of millions fails at once instead of after minutes.
    if (in.N > kOrdinateBound)
        throw RunFailure("more beams than the ordinate table holds");
    result.beta = torsionCorrection(in, result.I, result.IT);

    const auto eta = influenceOrdinates(in.N, result.beta);
    for (long i = 1; i <= common::Int((in.N + 1) / 2); ++i)
        result.rows.push_back(coefficients(i, (*eta)[i], in, loads));

    writeReport(sink, in, loads.M, result.rows);
    return result;
}

std::string valueText(double coefficient) { return common::maskedNumberText(coefficient, "#0.00000"); }

std::string columnText(double coefficient) { return common::padRight(valueText(coefficient), 15); }

std::string resultRow(const BeamCoefficients& row)
{
    return std::string(7, ' ') + common::numberText(static_cast<double>(row.i)) + std::string(8, ' ') +
           columnText(row.MR) + columnText(row.MQ) + columnText(row.MG) + valueText(row.ML);
}

}  // namespace distribution
