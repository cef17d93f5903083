#pragma once
// Area A, flexural moment of inertia II and torsional moment of inertia IT of a
// bridge member's cross section: rectangle, T or box beams, hollow slabs and
// annuli. Lengths in m, areas in m², moments of inertia in m⁴.
//
// Input checks throw common::InputRejected with the check's message; any
// run-time error (division by zero, overflow) throws common::RunFailure. Both
// happen before a result exists, so a window writes nothing on failure.

#include <string>

#include "reportsink.h"

namespace sections {

// ---- Building blocks, also used by the transverse distribution calculators ----

// Three rectangles stacked from the bottom: the bottom flange BX × HX, all webs
// together BW × HF and the top flange BS × HS (m).
struct StackedRectangles {
    double BS, HS, BW, HF, BX, HX;
};

// Part areas A1 (top flange), A2 (webs), A3 (bottom flange), their sum A (m²)
// and the first moment S of the section about its bottom face (m³).
struct StackedAreas {
    double A1, A2, A3, A, S;
};

// The areas of the stacked rectangles. When A1, A2 and A3 are all zero there is
// no section: InputRejected "构件的各个高度或宽度不能同时为零！" titled "输入出错".
StackedAreas stackedAreas(const StackedRectangles& r);

// Moment of inertia about the horizontal axis through the centroid, which lies
// S / A above the bottom face (m⁴). A = 0 from cancelling parts fails the run.
double centroidalInertia(const StackedRectangles& r, const StackedAreas& a);

// Torsional inertia c(t/w)·w·t³ of a thin rectangle of width w and thickness t
// (m⁴), with the strip coefficient c(t/w) = (1 − 0.63·t/w + 0.052·(t/w)⁵)/3
// used as it stands, also when t exceeds w. w = 0 fails the run.
double stripTorsion(double w, double t);

// Torsional inertia of a closed box (m⁴): the cell of width b (the narrower
// flange less half of all webs) and height h = HF + HS/2 + HX/2 by Bredt's
// formula 4·b²·h² / (b·(1/HS + 1/HX) + h·(1/B11 + 1/B2)), plus two strips for
// the overhang of the wider flange when the flanges differ in width.
// B11: the two outermost webs together, B2: the webs between cells (m).
// B2 = 0 (single cell), HS = 0 or HX = 0 fail the run.
double boxTorsion(const StackedRectangles& r, double B11, double B2);

// ---- The section properties calculator ----

// Rectangle, T or box section (m). A T beam has B2 = BX = HX = 0; a rectangle
// has only B11 (its width) and HF (its height).
struct BeamSectionInput {
    double BS;   // width of the top flange or deck slab
    double HS;   // mean thickness of the top flange
    double B11;  // the two outermost webs together (T beam: the web, rectangle: the width)
    double B2;   // the webs between cells together
    double HF;   // height of the webs
    double BX;   // width of the bottom flange
    double HX;   // mean thickness of the bottom flange
};

// Annulus of outer radius R1 and inner radius R2 (m): A = π·(R1² − R2²).
struct AnnulusInput {
    double R1, R2;
};

// Slab B × H with N voids, each a D × H1 rectangle closed by two half discs of
// diameter D; B1 is the total thickness of the walls between voids (m).
struct HollowSlabInput {
    double B, H, D, H1, B1, N;
};

struct SectionProperties {
    double A;   // m²
    double II;  // m⁴
    double IT;  // m⁴
};

// Closed box when BS, BX and B11 are all non-zero; otherwise an open section
// whose IT is the sum of the strips of the top flange, the webs and the bottom
// flange that are present.
SectionProperties beamSection(const BeamSectionInput& in);

SectionProperties annulus(const AnnulusInput& in);

// A wall thickness t2 of zero (the voids and the walls between them fill the
// whole width) is rejected: "请检查各个宽度的数值及空洞个数！" titled "输入出错".
// A zero slab thickness t1 above and below the voids fails the run.
SectionProperties hollowSlab(const HollowSlabInput& in);

// The texts of the result fields A, II and IT: nine decimals, written as number
// text (0.5 -> " .5").
struct SectionTexts {
    std::string A, II, IT;
};

SectionTexts resultTexts(const SectionProperties& p);

// The five report lines of a run, the first one empty.
void writeReport(common::ReportSink& sink, const SectionTexts& texts);

}  // namespace sections
