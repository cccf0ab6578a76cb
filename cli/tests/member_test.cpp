// structcalc Member: a member description read strictly, solved, and answered as rows, JSON,
// a diagram table or JSON Lines; every refusal with its reason and exit status.

#include "cli/structcalc.h"
#include "cli/tests/floorbeam.h"
#include "cli/tests/running.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <stdlib.h>

namespace {

using structcalc::testing::lines;
using structcalc::testing::Outcome;
using structcalc::testing::run;

// Two spans of 4 m under 10 N/mm, in mm and N: 0.375/1.25/0.375 wl, −wl²/8 over the middle.
const std::string TwoSpans = R"({"length": 8000, "E": 205000, "I": 1e8,
    "supports": [{"x": 0, "kind": "pinned"}, {"x": 4000, "kind": "roller"}, {"x": 8000, "kind": "roller"}],
    "loads": [{"kind": "distributed", "from": 0, "to": 8000, "w1": 10, "w2": 10}]})";

TEST(structcalcMember, rowsJsonAndTheDiagramOfTwoSpans)
{
    const Outcome rows = run({"member", "--member", "-"}, TwoSpans);  // named as any program, in any case
    ASSERT_EQ(rows.status, 0) << rows.err;
    const std::vector<std::string> text = lines(rows.out);
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text[0], "反力 (R1)\t1.500e+04\tN");
    EXPECT_EQ(text[1], "反力 (R2)\t5.000e+04\tN");
    EXPECT_NE(rows.out.find("最小曲げモーメント (Mmin)\t-2.000e+07\tN･mm\tx = 4000 mm\n"), std::string::npos)
        << rows.out;

    const Outcome json = run({"Member", "--member", "-", "--json", "--unit", "m,kN"},
                             R"({"length": 8, "supports": [{"x": 0, "kind": "fixed"}], "hinges": [],
                                 "loads": [{"kind": "point", "x": 8, "P": 2}, {"kind": "couple", "x": 4, "C": 3}]})");
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["unit"], "m");
    EXPECT_EQ(j["forceUnit"], "kN");
    EXPECT_EQ(j["reactions"][0]["force"], 2.0);
    EXPECT_EQ(j["reactions"][0]["moment"], -(2.0 * 8 + 3));  // clockwise on the member
    EXPECT_EQ(j["member"]["loads"][1]["C"], 3.0);
    EXPECT_FALSE(j.contains("diagram"));
    EXPECT_EQ(j["rows"][1]["symbol"], "MR1");
    EXPECT_EQ(j["rows"][1]["unit"], "kN･m");

    const Outcome csv = run({"Member", "--member", "-", "--diagram", "--points", "4"}, TwoSpans);
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> table = lines(csv.out);
    ASSERT_EQ(table.size(), 7u);  // five positions, the middle one on both sides of its reaction
    EXPECT_EQ(table[0], "x,V,M,theta,delta");
    for (const auto &[row, shear] : {std::pair{3, -25000.0}, std::pair{4, 25000.0}}) {
        std::istringstream fields(table[static_cast<std::size_t>(row)]);
        double x = 0, v = 0;
        char comma = 0;
        fields >> x >> comma >> v;
        EXPECT_EQ(x, 4000);
        EXPECT_NEAR(v, shear, 1e-9);
    }
}

// What is read back from "member" is the member: the description round-trips.
TEST(structcalcMember, theMemberWrittenBackReadsAsTheSameMember)
{
    const std::string full = R"({"length": 10000, "E": 205000, "I": 2e8,
        "segments": [{"from": 0, "to": 4000, "E": 205000, "I": 1e8}],
        "supports": [{"x": 0, "kind": "pinned"}, {"x": 6000, "kind": "roller", "settlement": 5},
                     {"x": 10000, "kind": "fixed"}, {"x": 3000, "kind": "spring", "k": 500, "rotationalK": 0}],
        "hinges": [4500],
        "loads": [{"kind": "point", "x": 3000, "P": 10000}, {"kind": "couple", "x": 2000, "C": 5e6},
                  {"kind": "distributed", "from": 0, "to": 6000, "w1": 5, "w2": 5}]})";
    const Outcome first = run({"Member", "--member", "-", "--json"}, full);
    ASSERT_EQ(first.status, 0) << first.err;
    const nlohmann::json member = nlohmann::json::parse(first.out)["member"];
    const Outcome again = run({"Member", "--member", "-", "--json"}, member.dump());
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, first.out);
}

TEST(structcalcMember, refusesWhatIsNoMemberWithItsReason)
{
    const struct {
        const char *input;
        int status;
        const char *says;
    } table[] = {
        {R"({"length": 10, "supports": [{"x": 0, "kind": "pinned"}], "loads": []})", 3, "add a second support"},
        {R"({"length": 10, "supports": [], "color": 3})", 3, "unknown field \"color\""},
        {R"({"length": 10, "supports": [{"x": 0, "kind": "hinged"}]})", 3, "\"supports[0].kind\" must be"},
        {R"({"length": 10, "supports": [{"x": 0, "kind": "pinned", "k": 5}]})", 3, "belongs to a spring"},
        {R"({"length": 10, "supports": [{"x": 0, "kind": "spring", "k": -5}, {"x": 10, "kind": "pinned"}],
             "E": 1, "I": 1})",
         3, "zero or above"},
        {R"({"length": 10, "E": -2, "I": -3, "supports": []})", 3, "\"E\" must be a finite number above zero"},
        {R"({"length": 10, "E": 2})", 3, "E without I"},
        {R"({"length": 10, "supports": [{"x": 0, "kind": "pinned"}, {"x": 10, "kind": "roller"}],
             "loads": [{"kind": "distributed", "from": 6, "to": 2, "w1": 1, "w2": 1}]})",
         3, "from its start to its end"},
        {R"({"length": 10, "supports": [{"x": 0, "kind": "pinned"}, {"x": 12, "kind": "roller"}]})", 3,
         "outside the member"},
        {R"({"length": "10"})", 3, "\"length\" must be a number, not a text"},
        {R"({"length": 10, "section": {"shape": "Z section", "a": 1}, "E": 1})", 3, "shape must be rectangular bar"},
        {R"({"length": 10, "section": {"shape": "I section", "a": 1}, "E": 1})", 3, "takes 4 dimensions"},
        {R"({"length": 10, "section": {"shape": "circular bar", "a": 1}, "I": 1, "E": 1})", 3, "both \"I\""},
        {R"({"length": 10, "material": "steel", "E": 1, "I": 1})", 3, "both \"E\""},
        {R"({"length": 10, "material": "oak", "I": 1})", 3, "material must be steel"},
        {R"({"length": 10, "section": {"shape": "circular bar", "a": 1}})", 3, "I without E"},
        {R"({"length": 10, "length": 11})", 3, "given twice"},
        {R"([1, 2])", 3, "not a list"},
        {"{\"length\": 10", 3, "cut short"},
        {"", 3, "empty"},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.input);
        const Outcome r = run({"Member", "--member", "-"}, c.input);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    for (const std::vector<std::string> &args : {std::vector<std::string>{"Member"},
                                                 {"Member", "--member"},
                                                 {"Member", "--member", "-", "--batch", "-"},
                                                 {"Member", "--member", "-", "--points", "4"},
                                                 {"Member", "--member", "-", "--unit", "ft"},
                                                 {"Member", "--member", "-", "--open", "x"}}) {
        const Outcome r = run(args, TwoSpans);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("usage: structcalc Member"), std::string::npos) << r.err;
    }
    const Outcome huge = run({"Member", "--member", "-"}, std::string(2 << 20, ' '));
    EXPECT_EQ(huge.status, 2);
    EXPECT_NE(huge.err.find("longer than"), std::string::npos);
}

// A section and a material named instead of I and E: a circular bar of aluminium alloy, d = 5 cm,
// I = π·d⁴/64 with π as the section tables take it, E = 7000 kN/cm², in any unit system.
TEST(structcalcMember, aNamedSectionAndMaterialInTheUnitsOfTheCalculation)
{
    const std::string bar =
        R"({"length": 400, "section": {"shape": "Circular bar", "a": 5}, "material": "aluminium alloy",
        "supports": [{"x": 0, "kind": "pinned"}, {"x": 400, "kind": "roller"}],
        "loads": [{"kind": "point", "x": 200, "P": 1}], "checks": {"f": 10, "n": 250}})";
    const Outcome r = run({"Member", "--member", "-", "--json", "--unit", "cm,kN"}, bar);
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    const double I = 3.141592 * 625 / 64;
    std::map<std::string, double> value;
    for (const auto &row : j["rows"])
        value[row["symbol"].get<std::string>()] = row["value"].get<double>();
    EXPECT_NEAR(value["I"], I, 1e-12 * I);
    EXPECT_NEAR(value["Z"], 3.141592 * 125 / 32, 1e-12 * 125);
    EXPECT_EQ(value["E"], 7000);
    EXPECT_NEAR(value["δmax"], 1 * std::pow(400.0, 3) / (48 * 7000 * I), 1e-12);
    EXPECT_EQ(j["member"]["section"]["shape"], "Circular bar");
    EXPECT_FALSE(j["member"].contains("I"));
}

// Influence lines of two spans of 4 m: the middle reaction is 1 under its support, M at the
// middle of the first span 13/64 l under the load there; a jump of V shows on both sides.
TEST(structcalcMember, influenceLinesOfTwoSpans)
{
    const Outcome r = run({"Member", "--member", "-", "--influence", "R@4000"}, TwoSpans);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("largest\t1\tx = 4000 mm\n", 0), 0u) << r.out;
    const Outcome m = run({"Member", "--member", "-", "--influence", "M@2000", "--json"}, TwoSpans);
    const nlohmann::json answer = nlohmann::json::parse(m.out);
    EXPECT_NEAR(answer["largest"]["value"].get<double>(), 13.0 / 64 * 4000, 1e-9);
    EXPECT_EQ(answer["largest"]["x"].get<double>(), 2000);
    const Outcome v = run({"Member", "--member", "-", "--influence", "V@2000", "--diagram", "--points", "4"}, TwoSpans);
    EXPECT_EQ(v.out.rfind("x,V@2000\n0,0\n2000,0.40625\n2000,-0.59375\n4000,0\n6000,-0.09375", 0), 0u) << v.out;
    EXPECT_EQ(lines(v.out).size(), 7u) << v.out;
    for (const std::string asked : {"R@3000", "X@3", "M@", "M@1e999"}) {
        const Outcome bad = run({"Member", "--member", "-", "--influence", asked}, TwoSpans);
        EXPECT_EQ(bad.status, 2) << asked;
        EXPECT_TRUE(bad.out.empty()) << asked;
    }
    EXPECT_EQ(run({"Member", "--member", "-", "--influence", "M@9000"}, TwoSpans).status, 3);
}

// A crane runway of one span of 6 m under two axles of 100 kN 2 m apart: the largest moment
// P/(8L)·(2L − a)² under an axle a/4 from mid-span, the largest shear P(2L − a)/L at a support.
TEST(structcalcMember, theEnvelopeOfATrainOnACraneRunway)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "structcalc-train-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const auto write = [&](const std::string &name, const std::string &text) {
        std::ofstream((folder / name).string(), std::ios::binary) << text;
        return (folder / name).string();
    };
    const std::string runway =
        R"({"length": 6000, "supports": [{"x": 0, "kind": "pinned"}, {"x": 6000, "kind": "roller"}]})";
    const std::string crane = write("crane.json", R"({"axles": [{"a": 0, "P": 100000}, {"a": 2000, "P": 100000}],
                                                     "w": 0, "ways": "rightward"})");
    const Outcome rows = run({"Member", "--member", "-", "--train", crane}, runway);
    ASSERT_EQ(rows.status, 0) << rows.err;
    EXPECT_EQ(lines(rows.out).at(0),
              "largest M under the train\t2.083e+08\tN･mm\tx = 2500 mm\tlead = 4500 mm, rightward");
    EXPECT_EQ(lines(rows.out).at(2), "largest V\t1.667e+05\tN\tx = 0 mm\tlead = 2000 mm (just above), rightward");
    EXPECT_EQ(lines(run({"Member", "--lang", "ja", "--member", "-", "--train", crane}, runway).out).at(2),
              "最大 V\t1.667e+05\tN\tx = 0 mm\t先頭位置 = 2000 mm (直後)、右向き");

    const Outcome json = run({"Member", "--member", "-", "--train", crane, "--json", "--points", "4"}, runway);
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json e = nlohmann::json::parse(json.out)["envelope"];
    EXPECT_EQ(e["x"], nlohmann::json({0, 1500, 3000, 4500, 6000}));
    EXPECT_NEAR(e["Mmax"][2].get<double>(), 2e8, 1e-6);  // one axle at mid-span, the other 1 m from a support
    EXPECT_NEAR(e["absolute"]["Mmax"]["value"].get<double>(), 1e5 / 48000 * 1e8, 1e-4);
    EXPECT_NEAR(e["absolute"]["Mmax"]["lead"].get<double>(), 4500, 1e-3);
    EXPECT_EQ(e["absolute"]["Mmax"]["leftward"], false);
    const Outcome csv = run({"Member", "--member", "-", "--train", crane, "--diagram", "--points", "2"}, runway);
    EXPECT_EQ(csv.out, "x,Mmax,Mmin,Vmax,Vmin\n0,0,0,166666.666666667,0\n3000,200000000,0,66666.6666666667,"
                       "-66666.6666666667\n6000,0,0,0,-166666.666666667\n");

    const struct {
        std::string train;
        int status;
        const char *says;
    } refused[] = {
        {R"({"axles": [{"a": 0, "P": 1}], "speed": 3})", 3, "unknown field \"speed\""},
        {R"({"axles": [{"a": -1, "P": 1}]})", 3, "\"axles[0].a\" is the distance behind the first axle"},
        {R"({"axles": [{"a": 0, "P": "heavy"}]})", 3, "\"axles[0].P\" must be a number, not a text"},
        {R"({"axles": [{"a": 0, "P": 1, "Q": 2}]})", 3, "\"Q\""},
        {R"({"axles": [], "w": 0})", 3, "neither axles nor a uniform load"},
        {R"({"axles": [{"a": 0, "P": 1}], "ways": "up"})", 3, "\"ways\" must be"},
        {R"({"axles": [{"a": 0, "P": 1e999}]})", 3, "cannot be read"},
        {"[" + std::string(70000, ' ') + "]", 2, "larger than 65536 bytes"},
    };
    for (const auto &c : refused) {
        const Outcome r = run({"Member", "--member", "-", "--train", write("bad.json", c.train)}, runway);
        EXPECT_EQ(r.status, c.status) << c.train;
        EXPECT_TRUE(r.out.empty()) << c.train;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_EQ(run({"Member", "--member", "-", "--train", folder.string()}, runway).status, 2);
    EXPECT_EQ(run({"Member", "--batch", "-", "--train", crane}, runway).status, 2);
    EXPECT_EQ(run({"Member", "--member", "-", "--train", crane, "--points", "10001"}, runway).status, 2);
    EXPECT_EQ(run({"Member", "--member", "-", "--train", crane, "--influence", "M@3000"}, runway).status, 2);
    std::filesystem::remove_all(folder);
}

TEST(structcalcMember, batchAnswersEveryLineAndSaysWhichWereRefused)
{
    std::string twoSpans = TwoSpans;
    for (char &c : twoSpans)
        c = c == '\n' ? ' ' : c;
    const Outcome r = run({"Member", "--batch", "-"},
                          twoSpans + "\n\n{\"length\": 1}\n" + twoSpans + "\n" + std::string(1 << 21, 'x') + "\n");
    EXPECT_EQ(r.status, 3);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_NEAR(nlohmann::json::parse(out[0])["rows"][0]["value"].get<double>(), 15000.0, 1e-9);
    const nlohmann::json refused = nlohmann::json::parse(out[1]);
    EXPECT_EQ(refused["line"], 3);
    EXPECT_EQ(refused["rejected"], true);
    EXPECT_NE(refused["reason"].get<std::string>().find("no support"), std::string::npos);
    EXPECT_EQ(out[2], out[0]);
    EXPECT_NE(out[3].find("longer than"), std::string::npos);
    EXPECT_EQ(run({"Member", "--batch", "-"}, twoSpans + "\n").status, 0);
}

}  // namespace

namespace {

// The two spans with their load as G and an imposed Q on both, combined for strength with pattern
// loading and for deflection whole, and checked.
TEST(structcalcMember, combinationsAndChecksOfAFloorBeam)
{
    const std::string floor = structcalc::testing::FloorBeam;
    const Outcome rows = run({"Member", "--member", "-"}, floor);
    ASSERT_EQ(rows.status, 0) << rows.err;
    // The support moment: both spans loaded, −(1.35·10 + 1.5·5)·4000²/8.
    EXPECT_NE(rows.out.find("組合せ最小曲げモーメント (Mcmin)\t-4.200e+07\tN･mm\tx = 4000 mm\n"), std::string::npos)
        << rows.out;
    EXPECT_NE(rows.out.find("応力度比 (σb/fb)\t2.692e-01\t\tOK\n"), std::string::npos) << rows.out;

    const Outcome json = run({"Member", "--member", "-", "--json"}, floor);
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json j = nlohmann::json::parse(json.out);
    ASSERT_EQ(j["combinations"].size(), 2u);
    EXPECT_EQ(j["combinations"][0]["factors"], "1.35 G + 1.5 Q");
    EXPECT_NEAR(j["combinations"][1]["Mmin"].get<double>(), -15.0 * 4000 * 4000 / 8, 1e-6);
    bool verdict = false;
    for (const auto &row : j["rows"])
        verdict = verdict || (row["symbol"] == "δ/δa" && row["verdict"] == "OK");
    EXPECT_TRUE(verdict) << json.out;

    std::string unknown = floor;
    unknown.replace(unknown.find(R"("Q": 1.5)"), 8, R"("W": 1.5)");
    const Outcome refused = run({"Member", "--member", "-"}, unknown);
    EXPECT_EQ(refused.status, 3);
    EXPECT_NE(refused.err.find("combination 1 names load case W"), std::string::npos) << refused.err;
}

}  // namespace
