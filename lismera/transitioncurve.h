#pragma once
// Elements of a horizontal curve: a circular arc of radius R with a clothoid
// transition curve of length LS at each end, and the report of a curve run.
//
// A curve run in the window goes:
//   elements = curveElements(inputs);   // refuses α = 0 or R = 0, nothing kept
//   keep elements for the single-stake command;
//   checkCurveFits(elements);           // refuses, but the elements stay kept
//   empty the report box;
//   writeCurveReport(box, inputs, radius text, elements);

#include <string>

#include "reportsink.h"

namespace lismera {

// The curve as typed, each field read as a field number.
struct CurveInputs {
    double JD = 0;     // chainage of the intersection point, m
    double alpha = 0;  // deflection angle packed as degrees.minutesseconds: 56°35′37″ is 56.3537
    double R = 0;      // radius of the circular arc, m
    double LS = 0;     // length of each transition curve, m
};

// All zero until the first curve has been computed: that state means "no curve".
// Chainages are plain metres.
struct CurveElements {
    double D = 0, M = 0, S = 0;  // deflection angle in whole degrees, whole minutes, whole seconds
    double alpha_r = 0;          // deflection angle, rad
    double beta0 = 0;            // transition angle LS/(2R), rad
    double R = 0;                // radius, m
    double LS = 0;               // transition length, m
    double P = 0;                // shift of the circular arc, m
    double Q = 0;                // tangent offset of the transition start, m
    double Th = 0;               // tangent length, m
    double Eh = 0;               // external distance, m
    double Lh = 0;               // total curve length, m
    double Ly = 0;               // length of the circular arc, m
    double ZH = 0;               // tangent to transition
    double HY = 0;               // transition to arc
    double QZ = 0;               // middle of the curve
    double YH = 0;               // arc to transition
    double HZ = 0;               // transition to tangent
};

// The elements of the curve. InputRejected when α or R is 0; RunFailure when a
// value cannot be represented (an absurdly small radius, say). Negative values
// are taken as they stand.
CurveElements curveElements(const CurveInputs& in);

// Refuses (InputRejected) a curve whose arc would be shorter than nothing
// (αr < 2·β0: radius too short or transitions too long), then one whose stake
// table would hold more than kMaxStakes stakes (see stakes.h).
void checkCurveFits(const CurveElements& e);

// The input echo, the elements and the stake table of the whole curve, one
// line per appendLine. radiusText is the radius field exactly as typed. Makes
// the checks of checkCurveFits and computes every line before writing the
// first one, so a refused or failed run writes nothing.
void writeCurveReport(common::ReportSink& report, const CurveInputs& in,
                      const std::string& radiusText, const CurveElements& e);

}  // namespace lismera
