// Saved calculations as files: a file written by hand reads to the numbers it says, what is
// written reads back the same, and every kind of damaged or foreign file is refused with a
// message that names what is wrong, never read in part.

#include "beams/beams.h"
#include "shell/core/savedcalculation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace shell;

// Beam (1) in cm and kN as the window would write it (keys in its order, by hand).
const std::string BeamFile = R"file({
  "format": "structcalc calculation",
  "version": 1,
  "program": "Beams",
  "case": 1,
  "caption": "Beam (1)",
  "units": {"length": "cm", "force": "kN"},
  "inputs": [
    {"name": "P", "text": "0.1", "step": "0.001"},
    {"name": "a", "text": "3", "step": "0.1"},
    {"name": "l", "text": "10", "step": "0.1"},
    {"name": "x1", "text": "2", "step": "0.1"},
    {"name": "x2", "text": "5", "step": "0.1"},
    {"name": "E", "text": "1000", "step": "0.01"},
    {"name": "I", "text": "0.0833", "step": "0.0001"}
  ],
  "ticked": [true, true, false, true, true, true],
  "chart": {"type": "3D Area Bar", "logScale": true, "view": "diagrams", "slope": true},
  "colours": {"plot": "#FF0000", "program": "#4080c0"},
  "names": {"project": "Hall 3", "member": "Beam B12", "engineer": "A. Sato"}
}
)file";

// The file with `from` replaced by `to` (which must be found once).
std::string edited(const std::string &from, const std::string &to, std::string file = BeamFile)
{
    const std::size_t at = file.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    EXPECT_EQ(file.find(from, at + 1), std::string::npos) << from;
    return at == std::string::npos ? file : file.replace(at, from.size(), to);
}

TEST(savedcalculation, AFileWrittenByHandReadsToWhatItSays)
{
    const SavedCalculationRead read = readSavedCalculation(BeamFile);
    ASSERT_TRUE(read.ok) << read.error;
    const SavedCalculation &c = read.calculation;
    EXPECT_EQ(c.program, "Beams");
    EXPECT_EQ(c.caseNumber, 1);
    EXPECT_EQ(c.caseCaption, "Beam (1)");
    EXPECT_EQ(c.units, (Units{LengthUnit::Centimetre, ForceUnit::Kilonewton}));
    ASSERT_EQ(c.inputs.size(), 7u);
    EXPECT_EQ(c.inputs[6], (SavedInput{"I", "0.0833", "0.0001"}));
    EXPECT_EQ(c.ticked, (std::vector<bool>{true, true, false, true, true, true}));
    EXPECT_EQ(c.chartType, ChartType::Area3D);
    EXPECT_TRUE(c.logScale);
    EXPECT_EQ(c.view, ChartArea::Diagrams);
    EXPECT_TRUE(c.showSlope);
    // #RRGGBB in the file, 0x00BBGGRR in the window: pure red is 0x0000FF there.
    EXPECT_EQ(c.plotColor, 0x000000FFu);
    EXPECT_EQ(c.programColor, 0x00C08040u);
    EXPECT_EQ(c.names, (CalculationNames{"Hall 3", "Beam B12", "A. Sato"}));
    EXPECT_EQ(checkSavedCalculation(c, beams::program()), "");
}

TEST(savedcalculation, WhatIsWrittenReadsBackTheSame)
{
    SavedCalculation c = readSavedCalculation(BeamFile).calculation;
    // Texts as a field may hold them: any UTF-8, quotes, backslashes, a trailing blank.
    c.inputs[0].text = "12abc ";
    c.inputs[1].text = "";
    c.names = {"倉庫 \"Nord\"", "梁 B\\12", "Åsa Ødegård"};
    for (const ChartType type : {ChartType::Bar3D, ChartType::Bar2D, ChartType::Line3D, ChartType::Line2D,
                                 ChartType::Area3D, ChartType::Area2D, ChartType::Step3D, ChartType::Step2D})
        for (const Units units :
             {Units{LengthUnit::Millimetre, ForceUnit::Newton}, Units{LengthUnit::Metre, ForceUnit::Kilonewton}}) {
            c.chartType = type;
            c.units = units;
            c.plotColor = 0x00123456;
            const std::string file = writeSavedCalculation(c);
            const SavedCalculationRead read = readSavedCalculation(file);
            ASSERT_TRUE(read.ok) << read.error << "\n" << file;
            EXPECT_EQ(read.calculation, c);
            EXPECT_EQ(writeSavedCalculation(read.calculation), file);
        }
}

TEST(savedcalculation, TheFileIsIndentedUtf8WithItsFormatFirst)
{
    SavedCalculation c = readSavedCalculation(BeamFile).calculation;
    c.names.engineer = "佐藤";
    const std::string file = writeSavedCalculation(c);
    EXPECT_EQ(file.rfind("{\n  \"format\": \"structcalc calculation\",\n  \"version\": 1,\n", 0), 0u) << file;
    EXPECT_NE(file.find("\"engineer\": \"佐藤\""), std::string::npos) << "names stay readable, not \\u escapes";
    EXPECT_NE(file.find("\"plot\": \"#FF0000\""), std::string::npos);
    EXPECT_EQ(file.back(), '\n');
}

// A file cut anywhere before its end is incomplete, and says so.
TEST(savedcalculation, ATruncatedFileIsRefusedWhereverItIsCut)
{
    const std::size_t end = BeamFile.rfind('}');
    for (std::size_t cut = 1; cut < end; ++cut) {
        const SavedCalculationRead read = readSavedCalculation(BeamFile.substr(0, cut));
        ASSERT_FALSE(read.ok) << "cut at " << cut;
        EXPECT_NE(read.error.find("it is cut short"), std::string::npos) << "cut at " << cut << ": " << read.error;
    }
}

// Each field renamed in turn: the file stays valid JSON without it, and the message names the
// one missing (or the stranger in its place, where that is met first).
TEST(savedcalculation, EveryFieldIsRequired)
{
    const std::pair<const char *, const char *> fields[] = {{"\"version\": 1", "version"},
                                                            {"\"program\": \"Beams\"", "program"},
                                                            {"\"case\": 1", "case"},
                                                            {"\"caption\": ", "caption"},
                                                            {"\"units\": ", "units"},
                                                            {"\"length\": ", "units.length"},
                                                            {"\"force\": ", "units.force"},
                                                            {"\"inputs\": ", "inputs"},
                                                            {"\"ticked\": ", "ticked"},
                                                            {"\"chart\": ", "chart"},
                                                            {"\"type\": ", "chart.type"},
                                                            {"\"logScale\": ", "chart.logScale"},
                                                            {"\"view\": ", "chart.view"},
                                                            {"\"slope\": ", "chart.slope"},
                                                            {"\"colours\": ", "colours"},
                                                            {"\"plot\": ", "colours.plot"},
                                                            {"\"program\": \"#", "colours.program"},
                                                            {"\"names\": ", "names"},
                                                            {"\"project\": ", "names.project"},
                                                            {"\"member\": ", "names.member"},
                                                            {"\"engineer\": ", "names.engineer"}};
    for (const auto &[text, path] : fields) {
        const std::string renamed = std::string("\"x") + (text + 1);
        const SavedCalculationRead read = readSavedCalculation(edited(text, renamed));
        ASSERT_FALSE(read.ok) << path;
        const bool missing = read.error == std::string("the field \"") + path + "\" is missing";
        const bool unknown = read.error.find("unknown field \"x") != std::string::npos;
        EXPECT_TRUE(missing || unknown) << path << ": " << read.error;
    }
}

struct Damage {
    const char *name;
    std::string file;
    std::string message;  // found in the error
};

// A file within the size allowed that holds 60,000 fields: refused as fast as a small one.
std::string manyFields()
{
    std::string fields;
    for (int k = 0; k < 60000; ++k)
        fields += "\"k" + std::to_string(k) + "\": 0, ";
    return edited("\"version\": 1,", "\"version\": 1, " + fields);
}

std::vector<Damage> damages()
{
    return {
        {"Empty", "", "it is empty"},
        {"Blank", " \n\t ", "it is empty"},
        {"NotJson", "Beam (1), P = 100", "it is not valid JSON (line 1, column 1)"},
        {"TrailingText", BeamFile + "x", "it is not valid JSON (line 22, column 1)"},
        {"SyntaxInside", edited("\"case\": 1,", "\"case\": 1,,"), "it is not valid JSON (line 5, column 13)"},
        {"ByteFF", edited("Hall 3", "Hall \xFF"), "it is not UTF-8 text"},
        {"Overlong", edited("Sato", "Sat\xC0\xAF"), "it is not UTF-8 text"},
        {"Surrogate", edited("Sato", "Sat\xED\xA0\x80"), "it is not UTF-8 text"},
        {"CutCharacter", edited("Sato", "Sat\xE6\xA2"), "it is not UTF-8 text"},
        {"EscapedLoneSurrogate", edited("Sato", "Sat\\ud800"), "it is not valid JSON"},
        {"ForeignObject", R"({"name": "structcalc", "version": 1})", "it is not a structcalc calculation"},
        {"ForeignList", "[1, 2, 3]", "it is not a structcalc calculation"},
        {"OtherFormat", edited("\"structcalc calculation\"", "\"structcalc settings\""),
         "it is not a structcalc calculation (a JSON file of another kind)"},
        {"FormatNotText", edited("\"structcalc calculation\"", "1"), "it is not a structcalc calculation"},
        {"NewerVersion", edited("\"version\": 1", "\"version\": 2"),
         "it was written by a newer version of structcalc (format 2); this one reads format 1"},
        {"NewerVersionOtherFields", R"({"format": "structcalc calculation", "version": 7, "sheets": []})",
         "it was written by a newer version of structcalc (format 7); this one reads format 1"},
        {"VersionZero", edited("\"version\": 1", "\"version\": 0"), "\"version\" must be 1 or more"},
        {"VersionHuge", edited("\"version\": 1", "\"version\": 1e400"),
         "it holds a number too large for a double: 1e400"},
        {"VersionBeyond64Bits", edited("\"version\": 1", "\"version\": 123456789012345678901"),
         "\"version\" must be a whole number, not a number"},
        {"CaseText", edited("\"case\": 1", "\"case\": \"1\""),
         "\"case\" must be a whole number from 1 to 9999, not a text"},
        {"CaseFraction", edited("\"case\": 1", "\"case\": 1.0"),
         "\"case\" must be a whole number from 1 to 9999, not a number"},
        {"CaseZero", edited("\"case\": 1", "\"case\": 0"), "\"case\" must be a whole number from 1 to 9999"},
        {"CaseHuge", edited("\"case\": 1", "\"case\": -1e400"), "it holds a number too large for a double: -1e400"},
        {"CaseLarge", edited("\"case\": 1", "\"case\": 1e300"),
         "\"case\" must be a whole number from 1 to 9999, not a number"},
        {"CaseBeyondInt", edited("\"case\": 1", "\"case\": 4294967297"),
         "\"case\" must be a whole number from 1 to 9999"},
        {"CaseBeyond64Bits", edited("\"case\": 1", "\"case\": 99999999999999999999999"),
         "\"case\" must be a whole number"},
        {"UnitUnknown", edited("\"cm\"", "\"km\""), "\"units.length\" must be \"mm\", \"cm\" or \"m\""},
        {"UnitNumber", edited("\"kN\"", "1"), "\"units.force\" must be \"N\" or \"kN\", not a whole number"},
        {"InputsNotList", edited("\"ticked\": [true, true, false, true, true, true]", "\"ticked\": true"),
         "\"ticked\" must be a list, not true or false"},
        {"TickNumber", edited("[true, true, false", "[true, 1, false"),
         "\"ticked[1]\" must be true or false, not a whole number"},
        {"InputTextNumber", edited("\"text\": \"0.1\"", "\"text\": 0.1"),
         "\"inputs[0].text\" must be a text, not a number"},
        {"InputNotObject", edited("{\"name\": \"a\", \"text\": \"3\", \"step\": \"0.1\"}", "\"3\""),
         "\"inputs[1]\" must be an object, not a text"},
        {"InputFieldMissing",
         edited("{\"name\": \"a\", \"text\": \"3\", \"step\": \"0.1\"}", "{\"name\": \"a\", \"text\": \"3\"}"),
         "the field \"inputs[1].step\" is missing"},
        {"InputTextControl", edited("\"text\": \"0.1\"", "\"text\": \"0.1\\u0007\""),
         "\"inputs[0].text\" holds a control character"},
        {"InputTextLong", edited("\"text\": \"0.1\"", "\"text\": \"" + std::string(201, '1') + "\""),
         "\"inputs[0].text\" is longer than 200 bytes"},
        {"ChartType", edited("\"3D Area Bar\"", "\"Pie\""), "\"chart.type\" must be \"3D Bar\", \"2D Bar\""},
        {"ChartView", edited("\"diagrams\"", "\"both\""),
         "\"chart.view\" must be \"results\", \"diagrams\", \"influence\" or \"envelope\""},
        {"ColourShort", edited("#FF0000", "#FF000"),
         "\"colours.plot\" must be a colour written #RRGGBB, not \"#FF000\""},
        {"ColourName", edited("#FF0000", "red"), "\"colours.plot\" must be a colour written #RRGGBB"},
        {"NameNumber", edited("\"Hall 3\"", "3"), "\"names.project\" must be a text, not a whole number"},
        {"UnknownField", edited("\"version\": 1,", "\"version\": 1, \"colour\": 3,"),
         "the file has an unknown field \"colour\""},
        {"UnknownInnerField", edited("\"slope\": true", "\"slope\": true, \"zoom\": 2"),
         "\"chart\" has an unknown field \"zoom\""},
        {"RepeatedField", edited("\"case\": 1,", "\"case\": 1, \"case\": 2,"), "the field \"case\" is given twice"},
        {"ManyFields", manyFields(), "the file has an unknown field \"k0\""},
        {"DeeplyNested", std::string(400000, '[') + std::string(400000, ']'), "it is not a structcalc calculation"},
        {"DeeplyNestedCut", std::string(400000, '['), "it is cut short"},
        {"TooLarge", BeamFile + std::string(SavedCalculationMaxBytes, ' '),
         "it is too large to be a saved calculation"},
    };
}

void PrintTo(const Damage &damage, std::ostream *out)
{
    *out << damage.name;
}

class DamagedFile : public ::testing::TestWithParam<Damage>
{
};

TEST_P(DamagedFile, IsRefusedWithAMessageThatSaysWhy)
{
    const SavedCalculationRead read = readSavedCalculation(GetParam().file);
    EXPECT_FALSE(read.ok);
    EXPECT_NE(read.error.find(GetParam().message), std::string::npos) << read.error;
    // Nothing of a refused file is handed on.
    EXPECT_EQ(read.calculation, SavedCalculation());
}

INSTANTIATE_TEST_SUITE_P(savedcalculation, DamagedFile, ::testing::ValuesIn(damages()),
                         [](const ::testing::TestParamInfo<Damage> &param) { return std::string(param.param.name); });

// A byte that starts no UTF-8 character (above F4, a lone continuation byte) is refused, and a
// character broken anywhere is placed at its first byte, where a stray byte there is placed.
TEST(savedcalculation, ABrokenCharacterIsPlacedAtItsFirstByte)
{
    const std::string strayByte = readSavedCalculation(edited("Sato", "Sat\xFF")).error;
    ASSERT_NE(strayByte.find("it is not UTF-8 text"), std::string::npos) << strayByte;
    for (const char *broken :
         {"\xE6\xA2", "\xE6\xA2\x41", "\xF0\x9F\x98\x41", "\xF5\x80\x80\x80", "\x80\x80\x80\x80", "\xC1\xBF"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(broken)));
        EXPECT_EQ(readSavedCalculation(edited("Sato", std::string("Sat") + broken)).error, strayByte);
    }
}

// A file that reads well may still not fit the catalogue it names.
struct Misfit {
    const char *name;
    std::string from;
    std::string to;
    std::string message;
};

void PrintTo(const Misfit &misfit, std::ostream *out)
{
    *out << misfit.name;
}

class MisfitFile : public ::testing::TestWithParam<Misfit>
{
};

TEST_P(MisfitFile, IsRefusedByTheProgramsCatalogue)
{
    const SavedCalculationRead read = readSavedCalculation(edited(GetParam().from, GetParam().to));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(checkSavedCalculation(read.calculation, beams::program()), GetParam().message);
}

const std::string LastInput = ",\n    {\"name\": \"I\", \"text\": \"0.0833\", \"step\": \"0.0001\"}";

INSTANTIATE_TEST_SUITE_P(
    savedcalculation, MisfitFile,
    ::testing::Values(
        Misfit{"OtherProgram", "\"Beams\"", "\"Rahmen\"", "it is a calculation of Rahmen, not of Beams"},
        Misfit{"CaseBeyond", "\"case\": 1", "\"case\": 25", "Beams has no case 25 (1 to 19)"},
        Misfit{"CaptionOfAnotherCase", "\"Beam (1)\"", "\"Beam (2)\"",
               "case 1 of Beams is \"Beam (1)\", not \"Beam (2)\""},
        Misfit{"InputMissing", LastInput, "", "Beam (1) has 7 inputs (P, a, l, x1, x2, E, I); the file gives 6"},
        Misfit{"InputTooMany", LastInput, LastInput + LastInput,
               "Beam (1) has 7 inputs (P, a, l, x1, x2, E, I); the file gives 8"},
        Misfit{"InputsSwapped", "\"name\": \"x1\"", "\"name\": \"x3\"", "input 4 of Beam (1) is x1, not x3"},
        Misfit{"HugeInput", "\"text\": \"0.1\"", "\"text\": \"1e999\"",
               "the text of input P of Beam (1) is too large a number: 1e999"},
        Misfit{"HugeNegativeInput", "\"text\": \"10\"", "\"text\": \"-1E+400\"",
               "the text of input l of Beam (1) is too large a number: -1E+400"},
        Misfit{"HugeStep", "\"step\": \"0.001\"", "\"step\": \"9e9999\"",
               "the step of input P of Beam (1) is too large a number: 9e9999"},
        Misfit{"TickMissing", "[true, true, false, true, true, true]", "[true, true, false, true, true]",
               "Beam (1) has 6 result rows; the file ticks 5"}),
    [](const ::testing::TestParamInfo<Misfit> &param) { return std::string(param.param.name); });

TEST(savedcalculation, AProgramWithoutForceUnitsRefusesKilonewtons)
{
    CaseBuilder c("Bar");
    c.input("a", Dimension::Length, 10);
    c.row("断面積 (A)", Dimension::Area, 1);
    Program p;
    p.name = "Sections";
    p.cases = {c.build()};
    p.forceUnits = false;
    SavedCalculation saved;
    saved.program = "Sections";
    saved.caseCaption = "Bar";
    saved.inputs = {{"a", "10", "1"}};
    saved.ticked = {true};
    EXPECT_EQ(checkSavedCalculation(saved, p), "");
    saved.units.force = ForceUnit::Kilonewton;
    EXPECT_EQ(checkSavedCalculation(saved, p), "Sections works in N only, not kN");
}

// A colour beyond white cannot come from a file, but may from remembered settings: refused,
// either colour alone.
TEST(savedcalculation, AColourBeyondWhiteIsRefused)
{
    for (const bool plot : {true, false}) {
        SavedCalculation c = readSavedCalculation(BeamFile).calculation;
        (plot ? c.plotColor : c.programColor) = 0x01000000;
        EXPECT_EQ(checkSavedCalculation(c, beams::program()), "a colour is not a colour of the window") << plot;
    }
}

// A name typed or remembered with a line break, stray bytes or too many of them is cleaned to
// one a saved calculation takes (a name that is refused would make every later Save fail).
TEST(savedcalculation, NamesAreCleanedToOnesAFileTakes)
{
    const std::string e200 = std::string(198, 'x') + "\xC3\xA9";  // 198 + a two-byte character
    const std::pair<std::string, std::string> names[] = {
        {" Hall 3\nEast\r\n", "Hall 3 East"},
        {"A.\tSato\x7F", "A. Sato"},
        {"Beam \xFF\xC3"
         "B12",
         "Beam B12"},
        {std::string(250, 'x'), std::string(200, 'x')},
        {e200, e200},
        {"x" + e200, "x" + std::string(198, 'x')},  // the cut does not split the character
        {"\n\t ", ""},
    };
    for (const auto &[typed, clean] : names) {
        EXPECT_EQ(cleanName(typed), clean) << typed;
        SavedCalculation saved;
        saved.program = "Beams";
        saved.caseCaption = "Beam (1)";
        saved.names.project = cleanName(typed);
        EXPECT_EQ(readSavedCalculation(writeSavedCalculation(saved)).ok, true) << typed;
    }
}

}  // namespace
