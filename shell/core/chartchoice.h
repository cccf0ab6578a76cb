#pragma once

// The looks of the window's chart area: which chart type draws the result rows, and whether the
// area shows that chart or the member's own diagrams.

namespace shell {

enum class ChartType { Bar3D, Bar2D, Line3D, Line2D, Area3D, Area2D, Step3D, Step2D };

// What the chart area shows: the chart of the result rows, or the member's own diagrams; for any
// member also the influence line of a chosen quantity, or the envelopes of its combinations and
// moving loads.
enum class ChartArea { Results, Diagrams, Influence, Envelope };

// Whether the area shows diagrams of the member rather than the chart of the rows.
inline bool showsDiagrams(ChartArea area)
{
    return area != ChartArea::Results;
}

}  // namespace shell
