#pragma once
// Setting-out coordinates of stakes by the tangent offset method: X along the
// tangent from the nearer end of the curve (ZH for the first half, HZ for the
// second), Y at right angles to it, and the deflection Pj of the stake seen
// from that end.

#include <cstddef>
#include <string>
#include <vector>

#include "reportsink.h"
#include "transitioncurve.h"

namespace lismera {

// The longest stake table a curve run writes; a longer one is refused before
// anything is written, so that a curve of thousands of kilometres cannot keep
// the program busy and fill the memory.
inline constexpr std::size_t kMaxStakes = 100000;

struct Stake {
    double V = 0;   // chainage, m
    double X = 0;   // along the tangent, m
    double Y = 0;   // square to the tangent, m
    double Pj = 0;  // deflection, rad
    double Dd = 0;  // deflection: whole degrees
    double Mm = 0;  //             whole minutes
    double Ss = 0;  //             seconds
};

// The stake at chainage V on the curve e (or on the tangents beside it).
Stake stakeAt(const CurveElements& e, double V);

// The report row of a stake: V, X and Y to 3 decimals in columns of 13, 12
// and 10 characters, then the deflection in degrees, minutes and seconds cut
// to one decimal.
std::string stakeRow(const Stake& s);

// Chainages of the stake table from ZH to HZ: every whole ten metres, with
// the main points HY, QZ, YH and HZ in place of the whole-ten stake before
// them. InputRejected when the table would hold more than kMaxStakes stakes.
std::vector<double> stakeTableChainages(const CurveElements& e);

// The title, the heading and the rows of the stake table.
std::vector<std::string> stakeTableLines(const CurveElements& e);

// Appends the row of a single stake at chainage JZ.
void writeSingleStake(common::ReportSink& report, const CurveElements& e, double JZ);

}  // namespace lismera
