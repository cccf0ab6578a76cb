// A floor beam over two equal spans for the tests of any member: its own weight G and an imposed
// load Q on both spans, combined for strength with pattern loading and for deflection whole, and
// checked for bending stress and deflection.

#pragma once

namespace structcalc::testing {

inline constexpr const char *FloorBeam = R"({"length": 8000, "E": 205000, "I": 1e8,
    "supports": [{"x": 0, "kind": "pinned"}, {"x": 4000, "kind": "roller"}, {"x": 8000, "kind": "roller"}],
    "loads": [{"kind": "distributed", "from": 0, "to": 8000, "w1": 10, "w2": 10, "case": "G"},
              {"kind": "distributed", "from": 0, "to": 8000, "w1": 5, "w2": 5, "case": "Q"}],
    "cases": [{"name": "G", "kind": "permanent"}, {"name": "Q", "kind": "variable"}],
    "combinations": [{"name": "ULS", "factors": {"G": 1.35, "Q": 1.5}, "pattern": true, "use": "strength"},
                     {"name": "SLS", "factors": {"G": 1, "Q": 1}, "use": "deflection"}],
    "checks": {"Z": 1e6, "f": 156, "n": 300}})";

}  // namespace structcalc::testing
