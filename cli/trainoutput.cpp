#include "cli/trainoutput.h"

#include "cli/jsontext.h"
#include "shell/core/diagrams.h"
#include "shell/core/numbertext.h"

#include <ostream>
#include <string>
#include <vector>

namespace structcalc {

namespace {

std::string lengthText(double x, bool raw)
{
    return raw ? shell::generalText(x) : shell::diagramNumber(x);
}

// "lead = 2100 mm (just below), rightward", and the covered parts.
std::string placementText(const mechanics::TrainPlacement &p, const TrainOutput &how)
{
    const std::string unit = shell::lengthUnitName(how.units.length);
    std::string text = wording("lead = %1", {lengthText(p.lead, how.raw) + " " + unit});
    if (p.side == mechanics::Side::Left)
        text += wording(" (just below)");
    else if (p.side == mechanics::Side::Right)
        text += wording(" (just above)");
    text += wording(p.leftward ? ", leftward" : ", rightward");
    if (!p.covered.empty()) {
        text += "\t" + wording("covered =");
        for (const auto &[from, to] : p.covered)
            text += " " + lengthText(from, how.raw) + "–" + lengthText(to, how.raw);
        text += " " + unit;
    }
    return text;
}

std::string placementJson(const mechanics::TrainExtreme &e)
{
    std::string j = "{\"value\": " + jsonNumber(e.value) + ", \"x\": " + jsonNumber(e.x) +
                    ", \"lead\": " + jsonNumber(e.placement.lead) +
                    ", \"leftward\": " + (e.placement.leftward ? "true" : "false") + ", \"approach\": " +
                    (e.placement.side == mechanics::Side::Left    ? "\"below\""
                     : e.placement.side == mechanics::Side::Right ? "\"above\""
                                                                  : "\"at\"") +
                    ", \"covered\": [";
    for (std::size_t k = 0; k < e.placement.covered.size(); ++k)
        j += (k == 0 ? "[" : ", [") + jsonNumber(e.placement.covered[k].first) + ", " +
             jsonNumber(e.placement.covered[k].second) + "]";
    return j + "]}";
}

}  // namespace

void printTrainEnvelope(std::ostream &out, const mechanics::TrainEnvelope &e, const TrainOutput &how)
{
    const std::size_t n = e.x.size();
    const auto column = [&](const auto &value) {
        std::string j = "[";
        for (std::size_t k = 0; k < n; ++k)
            j += (k == 0 ? "" : ", ") + jsonNumber(value(k));
        return j + "]";
    };
    if (how.json) {
        out << "{\"x\": " << column([&](std::size_t k) { return e.x[k]; })
            << ", \"Mmax\": " << column([&](std::size_t k) { return e.moment[k].largest.value; })
            << ", \"Mmin\": " << column([&](std::size_t k) { return e.moment[k].smallest.value; })
            << ", \"Vmax\": " << column([&](std::size_t k) { return e.shear[k].largest.value; })
            << ", \"Vmin\": " << column([&](std::size_t k) { return e.shear[k].smallest.value; })
            << ", \"absolute\": {\"Mmax\": " << placementJson(e.largestMoment)
            << ", \"Mmin\": " << placementJson(e.smallestMoment) << ", \"Vmax\": " << placementJson(e.largestShear)
            << ", \"Vmin\": " << placementJson(e.smallestShear) << "}}";
        return;
    }
    if (how.diagram) {
        out << "x,Mmax,Mmin,Vmax,Vmin\n";
        for (std::size_t k = 0; k < n; ++k)
            out << shell::generalText(e.x[k]) << "," << shell::generalText(e.moment[k].largest.value) << ","
                << shell::generalText(e.moment[k].smallest.value) << "," << shell::generalText(e.shear[k].largest.value)
                << "," << shell::generalText(e.shear[k].smallest.value) << "\n";
        return;
    }
    const std::string moment = shell::unitCaption(how.units, shell::Dimension::Moment);
    const std::string force = shell::unitCaption(how.units, shell::Dimension::Force);
    const std::string length = shell::lengthUnitName(how.units.length);
    const struct {
        const char *caption;
        const mechanics::TrainExtreme &extreme;
        const std::string &unit;
    } rows[] = {{"largest M under the train", e.largestMoment, moment},
                {"smallest M", e.smallestMoment, moment},
                {"largest V", e.largestShear, force},
                {"smallest V", e.smallestShear, force}};
    for (const auto &row : rows)
        out << wording(row.caption) << "\t"
            << (how.raw ? shell::generalText(row.extreme.value) : shell::resultText(row.extreme.value)) << "\t"
            << row.unit << "\tx = " << lengthText(row.extreme.x, how.raw) << " " << length << "\t"
            << placementText(row.extreme.placement, how) << "\n";
}

}  // namespace structcalc
