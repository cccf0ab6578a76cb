#include "cli/descriptorstreams.h"
#include "cli/structcalc.h"
#include "cli/tests/running.h"
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace {

using structcalc::testing::lines;
using structcalc::testing::Outcome;
using structcalc::testing::run;

TEST(structcalc, printsTheRowsAsTheWindowShowsThem)
{
    const Outcome r = run({"profilor", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out),
              (std::vector<std::string>{"断面積 (A)\t1.000e+02\tmm^2", "重心距離 (e1)\t5.000e+00\tmm",
                                        "断面2次モーメント (I)\t8.333e+02\tmm^4", "断面係数 (Z1)\t1.667e+02\tmm^3",
                                        "断面2次半径 (i)\t2.887e+00\tmm"}));
    EXPECT_TRUE(r.err.empty());
}

TEST(structcalc, valuesMustBeNumbersAndNothingElse)
{
    // Blanks are skipped as in the window ("1 2" is 12); "10abc" would read 10 there, but a
    // script that writes it has a fault: a usage error.
    const Outcome r = run({"Profilor", "1", "a=1 2", "b=10", "--raw"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out)[0], "断面積 (A)\t120\tmm^2");
    EXPECT_EQ(lines(run({"Profilor", "1", "--raw"}).out)[2], "断面2次モーメント (I)\t833.333333333333\tmm^4");
    for (const char *value : {"10abc", "", "abc", "1e", "--3"}) {
        const Outcome bad = run({"Profilor", "1", std::string("b=") + value});
        EXPECT_EQ(bad.status, 2) << value;
        EXPECT_EQ(bad.err, std::string("structcalc: b: not a number: ") + value + "\n");
    }
    EXPECT_EQ(run({"Profilor", "1", "b=&H1F", "b=1e2", "b= -3.5"}).status, 3);  // numbers, but b < 0 is refused
}

// The same section in every unit: the start values converted, the values given read in the unit.
TEST(structcalc, unitConvertsProfilor)
{
    const Outcome r = run({"Profilor", "8", "--unit", "cm"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out).back(), "断面係数 (Z2)\t1.379e-01\tcm^3");  // 137.9 mm³
    EXPECT_EQ(lines(run({"Profilor", "1", "a=1", "b=1", "--unit", "cm", "--raw"}).out)[0], "断面積 (A)\t1\tcm^2");
}

// An input that follows those given (b = l − a) takes its value and says so; one given with them
// keeps its number, and a sum they break is refused.
TEST(structcalc, aPartnerNotGivenFollowsThoseGiven)
{
    const Outcome r = run({"Rahmen", "3", "a=40", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"a\": 40, \"b\": 60,"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "structcalc: note: b changed to 60 (b = l − a)\n");
    EXPECT_EQ(run({"Rahmen", "3", "l=200", "a=50", "b=150"}).err, "");
    const Outcome both = run({"Rahmen", "3", "a=40", "b=50"});
    EXPECT_EQ(both.status, 3);
    EXPECT_EQ(both.err, "structcalc: Rahmen (3): a + b must equal l (Please check command entry  #5)\n");
    EXPECT_EQ(run({"Rahmen", "3", "a=140"}).err,
              "structcalc: Rahmen (3): b = l − a would be negative (Please check command entry  #4)\n");
}

TEST(structcalc, jsonCarriesNumbersAndNullForRowsShownEmpty)
{
    // A bar so deep that its second moment and section modulus pass the largest double.
    const Outcome r = run({"Profilor", "1", "a=1e200", "b=0.5", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"program\": \"Profilor\", \"case\": 1, "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"unit\": \"mm\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"inputs\": {\"a\": 1e+200, \"b\": 0.5}"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("{\"caption\": \"断面係数 (Z1)\", \"symbol\": \"Z1\", \"value\": null, \"reason\": "
                         "\"too large to compute: a step of its formula goes beyond 1.8e308\", \"text\": \"\""),
              std::string::npos)
        << r.out;
    const Outcome full = run({"Profilor", "1", "--json"});
    EXPECT_NE(full.out.find("\"value\": 833.3333333333334, \"text\": \"8.333e+02\", \"unit\": \"mm^4\""),
              std::string::npos)
        << full.out;
}

// Rows without a value say why on stderr; the others print, and the run counts as computed.
TEST(structcalc, aRowWithoutAValueSaysWhy)
{
    const Outcome r = run({"Beams", "1", "P=1e305"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out)[3], "曲げモーメント (Mx2)\t1.500e+306\tN･mm");
    EXPECT_EQ(lines(r.out)[4], "最大曲げモーメント (Mmax)\t\tN･mm");
    EXPECT_EQ(r.err, "structcalc: note: Mmax: too large to compute: a step of its formula goes beyond 1.8e308\n"
                     "structcalc: note: σmax: too large to compute: a step of its formula goes beyond 1.8e308\n");
    const Outcome all = run({"Beams", "1", "P=8e306", "--json"});
    EXPECT_EQ(all.status, 0);
    EXPECT_NE(all.out.find("\"symbol\": \"RB\", \"value\": null, \"reason\": \"too large to compute: a step of its "
                           "formula goes beyond 1.8e308\", \"text\": \"\""),
              std::string::npos)
        << all.out;
    EXPECT_EQ(lines(all.err).size(), 6u) << all.err;
}

// A number nearer 0 than a normal double is refused like one beyond the largest, also where it
// reads as 0; 0 itself is a load like any other.
TEST(structcalc, numbersBelowTheNormalRangeAreRefused)
{
    for (const char *value : {"P=4.9e-324", "P=-1e-310", "P=1e-400"}) {
        const Outcome r = run({"Beams", "1", value});
        EXPECT_EQ(r.status, 3) << value;
        EXPECT_EQ(r.err, "structcalc: Beam (1): P is too small a number (nearer 0 than 2.2e-308) (Please check command "
                         "entry  #1)\n")
            << value;
    }
    EXPECT_EQ(run({"Beams", "1", "P=0"}).status, 0);
    EXPECT_EQ(run({"Beams", "1", "P=2.3e-308"}).status, 0);
}

TEST(structcalc, rejectedInputExitsThreeWithTheWindowsMessage)
{
    const Outcome r = run({"Beams", "1", "a=150"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "structcalc: Beam (1): a must lie between 0 and l (Please check command entry  #2)\n");
    EXPECT_TRUE(r.out.empty());
    const Outcome json = run({"Beams", "1", "a=150", "--json"});
    EXPECT_EQ(json.status, 3);
    EXPECT_NE(json.out.find("\"rejected\": true, \"reason\": \"a must lie between 0 and l\", \"field\": \"a\"}"),
              std::string::npos)
        << json.out;
    // The last assignment decides: an intermediate rejection that a later input mends computes.
    EXPECT_EQ(run({"Profilor", "6", "b=20", "a=30"}).status, 0);
}

TEST(structcalc, usageErrorsExitTwoWithAnExplanation)
{
    const std::vector<std::vector<std::string>> bad{
        {},
        {"Profilor"},
        {"Trusses", "1"},
        {"Profilor", "0"},
        {"Profilor", "9"},
        {"Profilor", "x"},
        {"Profilor", "1", "A=3"},
        {"Profilor", "1", "a"},
        {"Profilor", "1", "=3"},
        {"Profilor", "1", "--unit", "km"},
        {"Profilor", "1", "--unit"},
        {"Profilor", "1", "--fast"},
        {"--list", "Trusses"},
    };
    for (const auto &args : bad) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("structcalc: "), std::string::npos);
        EXPECT_NE(r.err.find("usage: structcalc PROGRAM CASE"), std::string::npos);
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(structcalc, unitIsChosenBeforeTheInputsAreSet)
{
    // mm -> cm converts the start values (the same beam in cm); the values given are read in cm.
    const Outcome r = run({"Beams", "1", "--unit", "cm", "P=250", "x2=6", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(
        r.out.find("\"unit\": \"cm\", \"forceUnit\": \"N\", \"inputs\": {\"P\": 250, \"a\": 3, \"l\": 10, "
                   "\"x1\": 2, \"x2\": 6, \"E\": 1e+07, \"I\": 0.0833}, \"inputUnits\": {\"P\": \"N\", \"a\": \"cm\""),
        std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"unit\": \"N･cm\""), std::string::npos);
    // kN and m: RA = 0.1 kN × 70 / 100
    const Outcome si = run({"Beams", "1", "--unit", "m,kN", "--raw"});
    EXPECT_EQ(si.status, 0);
    EXPECT_EQ(lines(si.out)[0], "反力 (RA)\t0.07\tkN");
    EXPECT_EQ(run({"Beams", "1", "--unit", "m,cm"}).status, 2);
}

TEST(structcalc, plainNotesGoToStderrAndLeaveTheRowsAlone)
{
    const Outcome r = run({"buckling", "9", "l=3000"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out).size(), 3u);
    EXPECT_EQ(lines(r.out)[0], "座屈応力 (σk)\t-1.688e+02\tN/mm^2");
    EXPECT_EQ(r.err.rfind("structcalc: note: ", 0), 0u) << r.err;
}

// Beside a row that claims the member's largest value and is not it, the member's extreme and
// where; beside a value outside its formula's range, why. Rows without either carry neither.
TEST(structcalc, jsonAndListShowTheMembersLargestAndTheFormulasRange)
{
    const Outcome beam = run({"Beams", "1", "--json"});
    EXPECT_EQ(beam.status, 0);
    EXPECT_NE(beam.out.find("\"text\": \"1.765e-02\", \"unit\": \"mm\", \"meaning\": \"deflection under the load P, "
                            "downward positive (the largest only for a = l / 2)\", \"largest\": {\"value\": "
                            "0.020055579023730903, \"x\": 44.924294527138976}}"),
              std::string::npos)
        << beam.out;
    EXPECT_EQ(beam.out.find("\"largest\""), beam.out.rfind("\"largest\""));  // Mmax is the largest moment
    EXPECT_EQ(beam.out.find("outsideRange"), std::string::npos);
    // The load at mid-span: the deflection under it is the largest.
    EXPECT_EQ(run({"Beams", "1", "a=50", "--json"}).out.find("\"largest\""), std::string::npos);

    const Outcome column = run({"buckling", "6", "l=721.5", "--json"});
    EXPECT_EQ(column.status, 0);
    EXPECT_NE(column.out.find("\"value\": -18.481046367646464, \"text\": \"-1.848e+01\""), std::string::npos)
        << column.out;
    EXPECT_NE(column.out.find("only\", \"outsideRange\": \"the wrought-iron formula holds for λ up to 112; Euler "
                              "applies beyond\"}"),
              std::string::npos)
        << column.out;
    EXPECT_EQ(column.out.find("outsideRange"), column.out.rfind("outsideRange"));  // σk alone, not k or λ
    EXPECT_EQ(run({"buckling", "6", "--json"}).out.find("outsideRange"), std::string::npos);

    const std::vector<std::string> listed = lines(run({"--list", "Beams", "1"}).out);
    ASSERT_GE(listed.size(), 16u);
    EXPECT_EQ(listed[14], "  最大曲げモーメント (Mmax)\tN･mm\tmoment under the load P, the largest");
    EXPECT_EQ(listed[15], "  最大変位 (σmax)\tmm\tdeflection under the load P, downward positive (the largest only "
                          "for a = l / 2)\tmember's δ: largest 2.006e-02 mm at x = 44.92 mm at the start values");
    const std::string span = run({"--list", "cantilever", "19"}).out;
    EXPECT_NE(span.find("above the largest one elsewhere, simply supported span\tmember's δ (simply supported): the "
                        "row's own value at the start values\n"),
              std::string::npos)
        << span;
    EXPECT_NE(run({"--list", "buckling", "6"})
                  .out.find("valid for λ up to 112 only\trange: the wrought-iron formula holds for λ up to 112; "
                            "Euler applies beyond\n"),
              std::string::npos);
}

TEST(structcalc, listNamesEveryProgramAndItsCases)
{
    const Outcome one = run({"--list", "profilor"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(lines(one.out).size(), 9u);
    EXPECT_EQ(lines(one.out)[4], "  4\tCircular tube\tOD=10 ID=8");
    const Outcome all = run({"--list"});
    for (const char *name : {"Beams", "cantilever", "Rahmen", "buckling", "Profilor"})
        EXPECT_NE(all.out.find(std::string(name) + "\n"), std::string::npos) << name;
}

TEST(structcalc, helpVersionAndOneCaseListed)
{
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *option : {"--unit", "--raw", "--json", "--list", "--diagram", "--points", "--batch", "--open",
                               "--sheet", "--version", "Exit status", "Examples"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(run({"--version"}).out, "structcalc 1.0\n");

    const Outcome one = run({"--list", "Beams", "10"});
    EXPECT_EQ(one.status, 0);
    const std::vector<std::string> out = lines(one.out);
    ASSERT_GE(out.size(), 10u);
    EXPECT_EQ(out[0], "Beam (10): Beam with overhang, point load P at the tip");
    EXPECT_EQ(out[1], "inputs:");
    EXPECT_EQ(out[2], "  P\t100\tN");
    EXPECT_EQ(out[3], "  a\t20\tmm");
    EXPECT_EQ(out[7], "results:");
    EXPECT_EQ(out[8].rfind("  反力 (RA)\tN\tupward reaction at A", 0), 0u);
    EXPECT_NE(one.out.find("domain:\n  l must be greater than 0\n"), std::string::npos);
    EXPECT_EQ(run({"--list", "Beams", "20"}).status, 2);
}

// The example of the help text computes.
TEST(structcalc, helpExampleComputes)
{
    const std::string help = run({"--help"}).out;
    const std::string lead = "  structcalc Beams 1 ";
    const std::size_t at = help.find(lead);
    ASSERT_NE(at, std::string::npos);
    std::istringstream words(help.substr(at + 13, help.find('\n', at) - at - 13));
    std::vector<std::string> args;
    for (std::string word; words >> word;)
        args.push_back(word);
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 0) << r.err;
}

// An answer that does not reach its reader is a failure that says why, for every kind of answer.
TEST(structcalc, anOutputThatCannotBeWrittenFailsWithTheReason)
{
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"Beams", "1"}, {"Beams", "1", "--json"}, {"Beams", "1", "--diagram"}, {"Beams", "--batch", "-"}}) {
        structcalc::DescriptorOutput output(full);
        std::ostream out(&output);
        std::ostringstream err;
        std::istringstream in("case,P\n1,100\n");
        EXPECT_EQ(structcalc::run(args, out, err, &in), structcalc::UsageError) << ::testing::PrintToString(args);
        EXPECT_EQ(err.str(), "structcalc: cannot write the output: No space left on device\n");
    }
    ::close(full);
}

// The user's texts are quoted escaped and, where long, shortened to their start and length.
TEST(structcalc, messagesQuoteTheUsersTextsReadably)
{
    const std::string long120k(120000, '7');
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls{
        {{"Beams", "1", "P=\xFF"}, "structcalc: P: not a number: \\xFF\n"},
        {{"Beams", "1",
          "P=1\xC2\x9B"
          "2"},
         "structcalc: P: not a number: 1\\xC2\\x9B2\n"},
        {{"Beams", "1", "P=x" + long120k},
         "structcalc: P: not a number: x" + long120k.substr(0, 99) + "\u2026 (120001 bytes)\n"},
        {{"Be\xFFms", "1"}, "structcalc: unknown program 'Be\\xFFms'\n"},
        {{"Beams", long120k}, "structcalc: case '" + long120k.substr(0, 100) + "\u2026 (120000 bytes)' is not a case"},
    };
    for (const auto &[args, message] : calls) {
        const Outcome r = run(args);
        EXPECT_NE(r.status, 0);
        EXPECT_EQ(r.err.substr(0, message.size()), message);
    }
}

// A member too large for a double is said in words in every case of every program, never "inf".
TEST(structcalc, noMessageSaysInfOrNan)
{
    const std::regex nonNumber("\\b(inf|nan)\\b", std::regex::icase);
    for (const shell::Program *program : registry::programs())
        for (int c = 0; c < program->caseCount(); ++c) {
            const shell::CaseDef &definition = program->cases[static_cast<std::size_t>(c)];
            for (std::size_t i = 0; i < definition.inputs.size(); ++i)
                for (std::size_t j = i; j < definition.inputs.size(); ++j) {
                    const std::vector<std::string> args{program->name, std::to_string(c + 1),
                                                        definition.inputs[i].caption + "=1e300",
                                                        definition.inputs[j].caption + "=1e300", "--json"};
                    const Outcome r = run(args);
                    EXPECT_FALSE(std::regex_search(r.out + r.err, nonNumber)) << r.out << r.err;
                }
        }
}

}  // namespace
