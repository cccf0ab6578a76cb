// structcalc --diagram and the JSON extremes: the table's header and rows, the frame table's
// member column, the column curve's empty fields, --points validation.

#include "cli/diagramoutput.h"
#include "cli/structcalc.h"
#include "cli/tests/running.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

using structcalc::testing::lines;
using structcalc::testing::Outcome;
using structcalc::testing::run;

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> result;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ','))
        result.push_back(field);
    if (!line.empty() && line.back() == ',')
        result.emplace_back();
    return result;
}

TEST(structcalcDiagram, memberTableHasEquallySpacedRowsAndBothSidesOfTheLoad)
{
    // Seven intervals of 100 mm miss the load at 30 mm: 8 rows plus its two sides.
    const Outcome r = run({"Beams", "1", "--diagram", "--points", "7"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> table = lines(r.out);
    ASSERT_EQ(table.size(), 1u + 8 + 2);
    EXPECT_EQ(table[0], "x,V,M,theta,delta");
    // 0, 14.29, 28.57, then the load from the left and from the right.
    EXPECT_EQ(fields(table[4])[0], "30");
    EXPECT_EQ(fields(table[4])[1], "70");
    EXPECT_EQ(fields(table[5])[1], "-30");
    EXPECT_EQ(fields(table[4])[2], "2100");  // P·a·b / l
    EXPECT_EQ(fields(table[5])[2], "2100");
    EXPECT_EQ(fields(table.back())[0], "100");
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_EQ(fields(table[i]).size(), 5u) << table[i];

    // The default: 100 intervals, the load on one of them, so one row more for its other side.
    EXPECT_EQ(lines(run({"Beams", "1", "--diagram"}).out).size(), 1u + 101 + 1);
    // In other units the same member, in those units.
    const std::vector<std::string> cm = lines(run({"Beams", "1", "--diagram", "--points=4", "--unit", "cm"}).out);
    EXPECT_EQ(fields(cm[3])[0], "3");
    EXPECT_EQ(fields(cm[3])[2], "210");
}

TEST(structcalcDiagram, pointsAreAWholeNumberFromOneTo100000)
{
    for (const char *bad : {"0", "100001", "abc", "-3", "1.5", ""}) {
        const Outcome r = run({"Beams", "1", "--diagram", "--points", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("--points"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(run({"Beams", "1", "--diagram", "--points"}).status, 2);
    EXPECT_EQ(run({"Beams", "1", "--points", "10"}).status, 2);  // without --diagram
    EXPECT_EQ(lines(run({"Beams", "1", "--diagram", "--points", "1"}).out).size(), 1u + 2 + 2);
    EXPECT_EQ(lines(run({"Beams", "1", "--diagram", "--points", "100000"}).out).size(), 1u + 100001 + 1);
}

TEST(structcalcDiagram, caseWithoutMemberSaysSo)
{
    const Outcome r = run({"Profilor", "1", "--diagram"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "structcalc: Profilor case 1 has no diagram\n");
    EXPECT_TRUE(r.out.empty());
}

// Short stiff members are held by their supports like any other; a member whose numbers leave
// the range of a double is too large to solve, not a mechanism.
TEST(structcalcDiagram, stiffMembersAreSolvedAndOverflowIsNoMechanism)
{
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{"Beams", "16", "l=2", "I=1e7", "x=0", "--diagram"},
                                               {"cantilever", "13", "l=100", "I=1e11", "--diagram"},
                                               {"cantilever", "7", "l=1e-10", "--diagram"},
                                               {"Beams", "16", "l=2", "I=1e7", "x=0", "--diagram", "--unit", "m,kN"}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
    const Outcome huge = run({"Beams", "10", "P=1e308", "--diagram"});
    EXPECT_EQ(huge.status, 3);
    EXPECT_NE(huge.err.find("structcalc: Beam (10): The member cannot be solved: its numbers leave the range of a "
                            "double (lengths, loads or stiffness too large or too small)\n"),
              std::string::npos)
        << huge.err;
}

TEST(structcalcDiagram, columnCurveLeavesEmptyWhereALineDoesNotApply)
{
    // Cast iron: the line up to λ0 = 80, Euler beyond; λ = 0, 37.5, 75, 80, 112.5, 150.
    const std::vector<std::string> table = lines(run({"buckling", "5", "--diagram", "--points", "4"}).out);
    ASSERT_EQ(table.size(), 1u + 5 + 1);
    EXPECT_EQ(table[0], "lambda,euler,empirical");
    EXPECT_EQ(table[1], "0,,761");
    EXPECT_EQ(fields(table[4])[0], "80");
    EXPECT_EQ(fields(table[4])[1], fields(table[4])[2]);
    EXPECT_EQ(fields(table.back())[2], "");
    EXPECT_NE(fields(table.back())[1], "");
    // An Euler column has no empirical line, and no stress at λ = 0.
    const std::vector<std::string> euler = lines(run({"buckling", "2", "--diagram", "--points", "3"}).out);
    EXPECT_EQ(euler[1], "0,,");
    EXPECT_EQ(fields(euler[2]).size(), 3u);
    EXPECT_EQ(fields(euler[2])[2], "");
}

TEST(structcalcDiagram, jsonCarriesTheExtremesAndWithDiagramTheArrays)
{
    const Outcome r = run({"Beams", "1", "--json"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("{\"quantity\": \"M\", \"kind\": \"max\", \"value\": 2100, \"x\": 30}"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("{\"quantity\": \"V\", \"kind\": \"min\", \"value\": -30, \"x\": 30, \"side\": \"right\"}"),
              std::string::npos);
    EXPECT_EQ(r.out.find("\"diagram\""), std::string::npos);

    const Outcome d = run({"Beams", "1", "--json", "--diagram", "--points", "2"});
    ASSERT_EQ(d.status, 0);
    EXPECT_NE(
        d.out.find("\"diagram\": [{\"member\": \"\", \"x\": [0, 30, 30, 50, 100], \"V\": [70, 70, -30, -30, -30], "
                   "\"M\": [0, 2100, 2100, 1500, 0]"),
        std::string::npos)
        << d.out;
    EXPECT_EQ(d.out.back(), '\n');
    EXPECT_EQ(d.out[d.out.size() - 2], '}');

    // A case without a member has no extremes.
    EXPECT_EQ(run({"Profilor", "1", "--json"}).out.find("extremes"), std::string::npos);
}

// A pair of wheels rolling over a span: its envelopes, the largest and the smallest V and M at
// every section, as a table and in JSON, and its extremes with where the wheels stand.
TEST(structcalcDiagram, movingLoadEnvelopesAsATableAndInJson)
{
    const Outcome r = run({"cantilever", "21", "--diagram", "--points", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> table = lines(r.out);
    ASSERT_GT(table.size(), 5u);
    EXPECT_EQ(table[0], "x,Vmax,Vmin,Mmax,Mmin");
    // At mid-span: a wheel just right of it with the other 30 behind, or just left of it.
    EXPECT_NE(std::find(table.begin(), table.end(), "50,70,-70,3500,0"), table.end()) << r.out;
    EXPECT_EQ(table[1], "0,170,0,0,0");
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_EQ(fields(table[i]).size(), 5u) << table[i];

    const Outcome j = run({"cantilever", "21", "--json", "--diagram"});
    ASSERT_EQ(j.status, 0) << j.err;
    const nlohmann::json answer = nlohmann::json::parse(j.out);
    const nlohmann::json &diagram = answer["diagram"][0];
    EXPECT_EQ(diagram["x"].size(), table.size() - 1);
    for (const char *key : {"Vmax", "Vmin", "Mmax", "Mmin"})
        EXPECT_EQ(diagram[key].size(), diagram["x"].size()) << key;
    const nlohmann::json &extremes = answer["extremes"];
    ASSERT_EQ(extremes.size(), 4u);
    const nlohmann::json &Mmax = extremes[2];
    EXPECT_EQ(Mmax["quantity"], "M");
    EXPECT_EQ(Mmax["kind"], "max");
    EXPECT_NEAR(Mmax["value"].get<double>(), 3612.5, 1e-9);  // w (2l − a)² / (8l)
    const double x = Mmax["x"].get<double>();
    EXPECT_NEAR(x, 42.5, 1e-6);  // under the first wheel, a / 4 left of mid-span
    const std::vector<double> axles = Mmax["train"]["axles"].get<std::vector<double>>();
    ASSERT_EQ(axles.size(), 2u);
    EXPECT_NEAR(axles[1] - axles[0], 30, 1e-9);
    EXPECT_TRUE(std::abs(axles[0] - x) < 1e-9 || std::abs(axles[1] - x) < 1e-9);
    EXPECT_EQ(extremes[0]["value"], 170.0);  // the largest reaction: a wheel over A
    EXPECT_EQ(extremes[3]["value"], 0.0);    // nothing on the span
    EXPECT_FALSE(extremes[3].contains("train"));
}

TEST(structcalcDiagram, frameTableNamesEachMember)
{
    shell::CaseBuilder c("Frame");
    c.frame([](const std::vector<double> &) {
        mechanics::PortalFrame f;
        f.height = 4;
        f.span = 6;
        f.columnInertia = 1;
        f.beamInertia = 1;
        f.feet = mechanics::FrameFeet::Fixed;
        f.forces = {{mechanics::FrameMember::BC, 3, 0, 10}};
        return f;
    });
    const shell::CaseDiagrams d = shell::caseDiagrams(c.build(), 0, {}, {}, shell::CatalogueUnits);
    std::ostringstream csv;
    structcalc::printDiagramCsv(csv, d, 2);
    const std::vector<std::string> table = lines(csv.str());
    EXPECT_EQ(table[0], "member,s,x,y,M");
    // Three points on each member: the force at mid-span bends the moment line, it does not make it jump.
    ASSERT_EQ(table.size(), 1u + 3 + 3 + 3);
    EXPECT_EQ(fields(table[1])[0], "AB");
    EXPECT_EQ(table[1].substr(0, 9), "AB,0,0,0,");
    EXPECT_EQ(fields(table[3]).at(3), "4");  // the top of AB is B
    EXPECT_EQ(fields(table[4])[0], "BC");
    EXPECT_EQ(fields(table[7])[0], "CD");
    EXPECT_EQ(fields(table[9])[2], "6");  // D
    // Symmetric: the moments at A and D, and at B and C, are equal.
    const auto M = [&](std::size_t row) { return std::stod(fields(table[row])[4]); };
    EXPECT_NEAR(M(1), M(9), 1e-12 * std::fabs(M(1)));
    EXPECT_NEAR(M(3), M(7), 1e-12 * std::fabs(M(3)));
    EXPECT_LT(M(3), 0);  // hogging corners
    EXPECT_GT(M(5), 0);  // sagging under the load

    std::ostringstream json;
    structcalc::printJsonExtremes(json, d);
    EXPECT_NE(json.str().find("\"member\": \"BC\", \"kind\": \"max\""), std::string::npos) << json.str();
}

}  // namespace
