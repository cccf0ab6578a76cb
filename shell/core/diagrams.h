#pragma once

// The diagrams of a case, computed from its member model by the exact solver and so independent
// of its result rows: for a straight member the shear force V, bending moment M, slope θ and
// deflection δ along it with their extremes and the case's typed positions; for a portal frame
// the bending moment along each member with the corner values; for a column the curve of the
// buckling stress against the slenderness; for a cross-section its drawing with the centroid
// distances to the extreme fibres.
//
// Sign convention (that of mechanics/beam.h): x from the left end of the member as the case
// sketch draws it; loads and deflections positive downward; V = dM/dx, the sum of the upward
// forces left of the section; M positive sagging (tension at the bottom). Frames: M positive
// where the inside face of the frame is in tension, drawn on the tension side.
//
// Values are in the units the inputs are given in (the solver takes any consistent units), so
// the diagrams of a span of 100 mm under 100 N read in N and N･mm, those of the same span in
// m and kN in kN and kN･m.
//
//   Beam (1) with P = 100, a = 30, l = 100, E = 100000, I = 833:
//   diagrams.members[0].curve(Quantity::Moment)->extremes.largest -> 2100 at x = 30
//   diagrams.members[0].marks -> {"x1", 20}, {"x2", 50}

#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "mechanics/movingload.h"
#include "mechanics/portalframe.h"
#include "mechanics/sampling.h"
#include "shell/core/catalogue.h"
#include "shell/core/sketch.h"
#include "shell/core/units.h"

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace shell {

// "V", "M", "θ", "δ": the symbol on the diagram.
std::string quantitySymbol(Quantity quantity);
// "V", "M", "theta", "delta": the name in CSV headers and JSON.
std::string quantityKey(Quantity quantity);

// A number on a diagram: four significant digits, no trailing zeros, scientific from 10^6 and
// below 10^-3; "" where there is no number (a diagram never shows "nan" or "inf").
//   2100 -> "2100",  13.3333 -> "13.33",  0.035556 -> "0.03556",  -1.5e-5 -> "-1.5e-05"
std::string diagramNumber(double value);

// One diagram of a member: its values along x, its extremes and its unit caption.
//
// An envelope (the member under a moving load) has two curves: `values` the largest value at
// each section over every position of the load, `smallest` the smallest; its extremes are the
// largest of the upper curve and the smallest of the lower one. Drawn as the band between them.
struct Curve {
    Quantity quantity = Quantity::Moment;
    mechanics::Piecewise values;
    mechanics::Extremes extremes;
    std::string unit;  // "N", "kN･m", "mm", "rad"
    // The strip's symbol where it is not the quantity's own: "η M(x = 1500)" for an influence line.
    std::string label{};
    // An envelope's lower curve, on the same [start, end]. (Initialised here so that a plain
    // curve is still written {quantity, values, extremes, unit[, label]}.)
    std::optional<mechanics::Piecewise> smallest = std::nullopt;

    bool envelope() const { return smallest.has_value(); }
    // The lower curve: an envelope's smallest values, else the curve itself.
    const mechanics::Piecewise &lower() const { return smallest ? *smallest : values; }
};

// A position typed into the case, evaluated: "x1" at 20.
struct Mark {
    std::string label;
    double x = 0;
};

// A member's moving load and where it stands for the absolute extremes of its envelopes.
struct TrainDiagram {
    mechanics::Train train;
    mechanics::TrainExtreme largestShear, smallestShear, largestMoment, smallestMoment;

    // The extreme of the envelope of `quantity` (Shear or Moment) that is largest in magnitude:
    // the one the drawing and the words show.
    const mechanics::TrainExtreme &governing(Quantity quantity) const;
    // The positions of the axles on the member where `placement` puts the train, ascending.
    std::vector<double> axlesAt(const mechanics::TrainPlacement &placement, double length) const;
};

struct MemberDiagram {
    std::string name;      // "simply supported"; empty for a case's only member
    mechanics::Beam beam;  // the member as solved: its supports and loads, for the drawing
    std::vector<mechanics::Reaction> reactions;
    std::vector<Curve> curves;  // V and M; θ and δ where the member has a flexural rigidity
    std::vector<Mark> marks;
    // A member under a moving load: its beam has the supports only, its curves V and M are
    // envelopes, and this is the load with where it stands for their extremes.
    std::optional<TrainDiagram> train;

    double length() const { return beam.length; }
    // The curve of a quantity; nullptr where the member has none (no EI: no θ, no δ).
    const Curve *curve(Quantity quantity) const;
};

struct FrameMemberDiagram {
    std::string name;  // "AB": left column bottom to top, "BC": beam left to right, "CD": right column top to bottom
    mechanics::FrameMemberResult result;  // where it stands, its length and M(s)
    mechanics::Extremes extremes;
};

struct FrameDiagram {
    mechanics::PortalFrame frame;
    mechanics::PortalReactions reactions;
    std::array<FrameMemberDiagram, 3> members;
    std::string momentUnit;
    // The moments at the feet and the corners: A at the foot of AB, B its top (the moment at B
    // of the beam may differ by a couple applied at the corner), C and D alike.
    double MA = 0, MB = 0, MC = 0, MD = 0;
};

// The column curve with the case's numbers in the current stress unit.
struct ColumnCurveDiagram {
    std::optional<double> eulerNumerator;    // σ = eulerNumerator / λ²
    std::optional<EmpiricalLine> empirical;  // a in the current stress unit
    double lambda = 0;                       // the current column
    double lambdaMax = 0;                    // the curve is drawn and sampled over 0 .. lambdaMax
    std::string stressUnit;

    // σ of Euler's hyperbola: the case's own, or for an empirical line the one through its
    // value at λ0 and only beyond λ0; NaN where it does not apply.
    double euler(double lambda) const;
    // σ of the empirical line up to λ0; NaN beyond it or where there is none.
    double empiricalAt(double lambda) const;
    // The buckling stress the curve gives: the empirical line up to λ0, Euler beyond.
    double stressAt(double lambda) const;
};

struct ColumnSample {
    double lambda = 0;
    double euler = std::numeric_limits<double>::quiet_NaN();
    double empirical = std::numeric_limits<double>::quiet_NaN();
};

// N + 1 equally spaced slendernesses from 0 to lambdaMax, and λ0 where the empirical line
// meets Euler's hyperbola and it is not one of them.
std::vector<ColumnSample> sampleColumnCurve(const ColumnCurveDiagram &curve, int intervals);

struct SectionDiagram {
    Sketch sketch;  // the case sketch, drawn to proportion
    SectionFigure figure;
    double e1 = std::numeric_limits<double>::quiet_NaN();
    double e2 = std::numeric_limits<double>::quiet_NaN();
    std::string lengthUnit;
};

struct CaseDiagrams {
    enum class Kind {
        None,     // the case has nothing to draw
        Members,  // one straight member or several
        Frame,
        Column,
        Section,
        Error  // the member model could not be solved: `error` says why
    };
    Kind kind = Kind::None;
    std::string error;
    std::vector<MemberDiagram> members;
    std::optional<FrameDiagram> frame;
    std::optional<ColumnCurveDiagram> column;
    std::optional<SectionDiagram> section;
    std::string lengthUnit;

    // What the diagrams were made from: equal sources give equal diagrams.
    int caseIndex = -1;
    std::vector<double> inputs;
    std::vector<double> rows;
    Units units;
    std::string member;  // any member: its description (memberdescription.h)
    bool sameSource(const CaseDiagrams &other) const;
};

// The diagrams of a case for its current inputs and result rows, in `units` (the units the
// inputs are written in).
CaseDiagrams caseDiagrams(const CaseDef &definition, int caseIndex, const std::vector<double> &inputs,
                          const std::vector<double> &rows, Units units);

// V, M, θ and δ of a member at N + 1 equally spaced positions plus both sides of every jump
// (the rows of the table `x,V,M,theta,delta`); of an envelope its largest values (sampleEnvelope
// gives both).
std::vector<mechanics::BeamSample> sampleMember(const MemberDiagram &member, int intervals);

// V and M of a member at the positions of sampleMember over its upper and lower curves, the
// largest and the smallest of each (equal where a curve is no envelope): the rows of the table
// `x,Vmax,Vmin,Mmax,Mmin`.
struct EnvelopeSample {
    double x = 0;
    double shearLargest = 0, shearSmallest = 0;
    double momentLargest = 0, momentSmallest = 0;
};
std::vector<EnvelopeSample> sampleEnvelope(const MemberDiagram &member, int intervals);
// True where a curve of the member is an envelope.
bool hasEnvelope(const MemberDiagram &member);

// The values of a member at x for the status line, θ only `withSlope`; at a jump both sides; of
// an envelope the largest and the smallest:
//   "x = 30 mm   V = 70 | -30 N   M = 2100 N･mm   δ = 0.01765 mm"
//   "x = 30 mm   Vmax = 70 N   Vmin = -30 N   Mmax = 3150 N･mm   Mmin = 0 N･mm"
std::string valuesAtText(const MemberDiagram &member, double x, bool withSlope, const std::string &lengthUnit);

// The diagrams of a member under a moving load (envelopes.cpp): V and M as envelopes (linear
// pieces through the sections the solver's search took, a hundred and every place the member
// changes; V as it is just right of each), their extremes the absolute ones found between the
// sections too, the leftmost where several places reach one, and the train with where it stands
// for them. Errors: those of mechanics::trainEnvelope.
mechanics::Outcome<MemberDiagram> movingLoadDiagram(const MovingLoad &load, Units units);

// Where a member's moving load stands for the largest magnitude of `quantity`, in words:
//   "Mmax 3613 N･mm at x = 42.5 mm, wheels at 42.5 and 72.5 mm"
// empty for a member without a moving load.
std::string trainPlacementText(const MemberDiagram &member, Quantity quantity, const std::string &lengthUnit);

// The member's extreme that a row claiming one (RowDef::claims) is compared with: the extreme of
// the claimed diagram on the row's side of zero (the largest beside a positive row, the smallest
// beside a negative one, the larger in magnitude beside 0). nullptr where the row claims none,
// cannot be computed, or the diagrams have no such member or diagram.
const mechanics::Extreme *claimedExtreme(const CaseDef &definition, const CaseDiagrams &diagrams, int row,
                                         double value);

// A row and the member's extreme count as one value where they differ by no more than this share
// of the larger: one unit in the fourth significant digit the results show, so that neither the
// last bits of a computation nor a handbook coefficient rounded within it (0.0642 for 0.06415)
// raise a second value beside the row.
constexpr double LargestTolerance = 1e-3;

// The member's true extreme beside a row that claims one but differs from it beyond
// LargestTolerance, at the first (leftmost) position where it is attained, x from the member's
// left end as sketched. The diagrams must be those of the inputs the row was computed with.
//
//   Beam (1) at its start values, the deflection under the load 0.01765 mm:
//   rowLargest(...) -> {0.02006, 44.92}
struct RowLargest {
    double value = 0;  // in the row's unit
    double x = 0;      // in the length unit of the inputs
};
std::optional<RowLargest> rowLargest(const CaseDef &definition, const CaseDiagrams &diagrams, int row, double value);

// The line shown beside such a row, its value written as the row's own (`valueText`):
//   "largest 2.006e-02 mm at x = 44.92 mm"
std::string largestText(const std::string &valueText, const std::string &unit, double x, const std::string &lengthUnit);

// One point of a frame's moment diagram.
struct FrameSample {
    int member = 0;  // 0 AB, 1 BC, 2 CD
    double s = 0;
    double x = 0;
    double y = 0;
    double moment = 0;
};

// Each member at N + 1 equally spaced positions plus both sides of every jump, AB, BC, CD.
std::vector<FrameSample> sampleFrame(const FrameDiagram &frame, int intervals);

}  // namespace shell
