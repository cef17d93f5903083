#pragma once
// Transverse load distribution coefficients of a beam bridge with rigid cross
// beams by the modified eccentric pressure method: the rigid-cross-beam
// influence line of each beam, with its slope corrected by the torsional
// correction factor β of one main beam, loaded by the crowd, the vehicle lanes,
// the trailer and the crawler. Lengths in m.

#include <string>
#include <vector>

#include "reportsink.h"
#include "runfailure.h"

namespace distribution {

// The codes of the loads in the load-code table, in the order of the check boxes.
enum LoadCode : int {
    kCrowd = 1,    // chkrq "人群荷载", result MR
    kVehicle = 2,  // chkqc "汽车荷载", result MQ
    kTrailer = 3,  // chkgc "挂车荷载", result MG
    kCrawler = 4,  // chkld "履带车荷载", result ML
};

struct LoadSelection {
    common::FixedArray<int, 1, 4> code;  // entry k holds k when its box is ticked, otherwise 0
    int M = 0;                           // number of ticked boxes
};

// Builds the load-code table from the check boxes chkrq, chkqc, chkgc, chkld.
// No box ticked: InputRejected "请选择需要计算横向分布系数的荷载！" titled "请选择".
LoadSelection selectLoads(bool chkrq, bool chkqc, bool chkgc, bool chkld);

struct EccentricPressureInput {
    double RR;  // width of one sidewalk
    double BB;  // carriageway width between kerbs
    double AA;  // spacing of the main beams
    double LL;  // calculation span
    double N;   // number of main beams
    double C0;  // number of traffic lanes
    double BS;  // width of the top flange of one beam
    double HS;  // mean thickness of the top flange
    double B1;  // the two outermost webs together (T beam: the web)
    double B2;  // the webs between cells together (T beam: 0)
    double HF;  // height of the webs between the flanges
    double BX;  // width of the bottom slab (T beam: 0)
    double HX;  // thickness of the bottom slab (T beam: 0)
};

// The influence ordinate table holds beams 0..1000 at positions 0..1000, so a
// bridge has at most this many beams. Lanes are bounded alike.
inline constexpr long kOrdinateBound = 1000;

// Coefficients of beam i (beams from the edge to the middle of the bridge);
// each is 0 when its load is not selected.
struct BeamCoefficients {
    long i;
    double MR, MQ, MG, ML;
};

struct EccentricPressureResult {
    double I;     // flexural moment of inertia of one beam (m⁴)
    double IT;    // torsional moment of inertia of one beam (m⁴)
    double beta;  // torsional correction factor β
    std::vector<BeamCoefficients> rows;  // beams 1 .. Int((N + 1) / 2)
};

// The run: section and input checks (InputRejected titled "输入出错"), then the
// section stiffnesses, β, the influence ordinates and the coefficients, then the
// report. Every run-time error (N = 1, a box with HS = 0, N or C0 beyond
// kOrdinateBound, an overflow) throws RunFailure before anything is written.
EccentricPressureResult eccentricPressure(const EccentricPressureInput& in, const LoadSelection& loads,
                                          common::ReportSink& sink);

// A coefficient rounded to five decimals and written as number text (0.123456 -> " .12346").
std::string valueText(double coefficient);

// The value text followed by blanks up to 15 characters: one column of the result table.
std::string columnText(double coefficient);

// One row of the result table: beam number, MR, MQ and MG in columns, then ML.
std::string resultRow(const BeamCoefficients& row);

}  // namespace distribution
