// structcalc --open and --sheet: a saved calculation computes to the rows its inputs give on
// the command line, a damaged file is a usage error with the reader's message, and the sheet of
// the case as computed is written as a PDF without a display.

#include "cli/descriptorstreams.h"
#include "cli/structcalc.h"
#include "cli/tests/running.h"
#include "shell/core/savedcalculation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using structcalc::testing::Outcome;
using structcalc::testing::run;

namespace fs = std::filesystem;

// Beam (1) in m and kN: P = 25 kN at a = 2.4 m on l = 6 m; RA = 25 × 3.6 / 6 = 15 kN.
shell::SavedCalculation beam()
{
    shell::SavedCalculation c;
    c.program = "Beams";
    c.caseNumber = 1;
    c.caseCaption = "Beam (1)";
    c.units = {shell::LengthUnit::Metre, shell::ForceUnit::Kilonewton};
    c.inputs = {{"P", "25", "1"},   {"a", "2.4", "0.1"},     {"l", "6", "0.1"},        {"x1", "1.2", "0.1"},
                {"x2", "3", "0.1"}, {"E", "2.05e8", "1000"}, {"I", "8.356e-5", "1e-6"}};
    c.ticked = std::vector<bool>(6, true);
    c.names = {"Hall 3", "Beam B12", "A. Sato"};
    return c;
}

const std::vector<std::string> SameOnTheCommandLine{"Beams", "1",      "--unit", "m,kN",     "P=25",      "a=2.4",
                                                    "l=6",   "x1=1.2", "x2=3",   "E=2.05e8", "I=8.356e-5"};

class SavedFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "structcalc-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string write(const std::string &name, const std::string &text) const
    {
        const std::string path = (m_folder / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string path(const std::string &name) const { return (m_folder / name).string(); }

    fs::path m_folder;
};

TEST_F(SavedFile, OpenComputesTheRowsItsInputsGive)
{
    const std::string file = write("b12.structcalc.json", shell::writeSavedCalculation(beam()));
    const Outcome opened = run({"--open", file, "--raw"});
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.err, "");
    std::vector<std::string> direct = SameOnTheCommandLine;
    direct.push_back("--raw");
    EXPECT_EQ(opened.out, run(direct).out);
    EXPECT_EQ(opened.out.rfind("反力 (RA)\t15\tkN\n", 0), 0u) << opened.out;

    // --json and --diagram as for a run of the case; --unit converts what the file gives.
    const Outcome json = run({"--open=" + file, "--json"});
    EXPECT_NE(json.out.find("\"program\": \"Beams\", \"case\": 1, "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"inputs\": {\"P\": 25, \"a\": 2.4, \"l\": 6,"), std::string::npos) << json.out;
    const Outcome diagram = run({"--open", file, "--diagram", "--points", "4"});
    EXPECT_EQ(diagram.out.rfind("x,V,M,theta,delta\n", 0), 0u) << diagram.out;
    const Outcome millimetres = run({"--open", file, "--unit", "mm,N", "--raw"});
    EXPECT_EQ(millimetres.out.rfind("反力 (RA)\t15000\tN\n", 0), 0u) << millimetres.out;
}

// A file whose numbers cannot be written in the units asked for is refused in them, whichever
// units are named together: nothing is computed in the units the file was written in.
TEST_F(SavedFile, UnitsTheFileCannotBeWrittenInAreRefusedWhole)
{
    shell::SavedCalculation tiny = beam();
    tiny.units = {shell::LengthUnit::Millimetre, shell::ForceUnit::Newton};
    tiny.inputs = {{"P", "100", "1"}, {"a", "30", "1"},     {"l", "100", "1"},   {"x1", "20", "1"},
                   {"x2", "50", "1"}, {"E", "100000", "1"}, {"I", "1e-300", "1"}};
    const std::string file = write("tiny.structcalc.json", shell::writeSavedCalculation(tiny));
    for (const char *units : {"m", "m,N", "m,kN", "kN,m"}) {
        const Outcome r = run({"--open", file, "--unit", units});
        EXPECT_EQ(r.status, 3) << units;
        EXPECT_EQ(r.out, "") << units;
        EXPECT_EQ(r.err, "structcalc: Beam (1): I cannot be written in m^4 (Please check command entry  #7)\n")
            << units;
    }
    EXPECT_EQ(run({"--open", file, "--unit", "mm,kN"}).status, 0);
}

TEST_F(SavedFile, ADamagedFileIsAUsageErrorWithTheReadersMessage)
{
    const std::string whole = shell::writeSavedCalculation(beam());
    shell::SavedCalculation huge = beam();
    huge.inputs[0].text = "1e999";
    shell::SavedCalculation frames = beam();
    frames.program = "Frames";
    const std::vector<std::pair<std::string, std::string>> files{
        {whole.substr(0, whole.size() / 2), "it is cut short"},
        {"{\"name\": \"package\"}", "it is not a structcalc calculation (a JSON file of another kind)"},
        {"\xFF\xFE{}", "it is not UTF-8 text"},
        {shell::writeSavedCalculation(huge), "the text of input P of Beam (1) is too large a number: 1e999"},
        {shell::writeSavedCalculation(frames), "it is a calculation of \"Frames\", a program structcalc does not know"},
        {"{\"format\": \"structcalc calculation\", \"version\": 2}",
         "it was written by a newer version of structcalc (format 2); this one reads format 1"},
    };
    for (const auto &[text, message] : files) {
        const std::string file = write("damaged.structcalc.json", text);
        const Outcome r = run({"--open", file, "--sheet", path("never.pdf")});
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("structcalc: cannot open " + file + ": " + message, 0), 0u) << r.err;
        EXPECT_FALSE(fs::exists(path("never.pdf")));
    }
}

TEST_F(SavedFile, OpenAndSheetGoWithWhatTheyMean)
{
    const std::string file = write("b12.structcalc.json", shell::writeSavedCalculation(beam()));
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{"--open"},
                                               {"--open", file, "Beams", "1"},
                                               {"--open", file, "P=3"},
                                               {"Beams", "--batch", "-", "--open", file},
                                               {"Beams", "--batch", "-", "--sheet", path("b.pdf")},
                                               {"Beams", "1", "--sheet"},
                                               {"Beams", "1", "--sheet="}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("usage: structcalc PROGRAM CASE"), std::string::npos) << r.err;
    }
}

TEST_F(SavedFile, SheetWritesThePdfOfTheCaseAsComputed)
{
    const std::string file = write("b12.structcalc.json", shell::writeSavedCalculation(beam()));
    const std::string sheet = path("b12.pdf");
    const Outcome r = run({"--open", file, "--sheet", sheet});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "") << "Qt's own notes stay off stderr";
    EXPECT_EQ(r.out.rfind("反力 (RA)\t1.500e+01\tkN\n", 0), 0u) << "the rows as for a run without a sheet";
    std::ifstream pdf(sheet, std::ios::binary);
    std::string head(5, ' ');
    pdf.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");

    // Its text: the names of the file, the case and its values in the file's units.
    const std::string text = path("b12.txt");
    const std::string command = "pdftotext -enc UTF-8 '" + sheet + "' '" + text + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::stringstream words;
    words << std::ifstream(text).rdbuf();
    for (const char *word : {"Hall 3", "Beam B12", "A. Sato", "Beams, version 1.0", "Beam (1)", "1.500e+01", "kN"})
        EXPECT_NE(words.str().find(word), std::string::npos) << word;

    // A case of the command line, and a second sheet in the same process.
    const Outcome plain = run({"Profilor", "3", "dia=20", "--sheet", path("bar.pdf")});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(fs::exists(path("bar.pdf")));
}

TEST_F(SavedFile, NoSheetOfRefusedInputsNorWhereItCannotBeWritten)
{
    const Outcome refused = run({"Beams", "1", "a=500", "--sheet", path("refused.pdf")});
    EXPECT_EQ(refused.status, 3);
    EXPECT_NE(refused.err.find("structcalc: " + path("refused.pdf") + " is not written: the inputs are refused\n"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(path("refused.pdf")));

    const std::string nowhere = path("no-such-folder/sheet.pdf");
    const Outcome unwritable = run({"Beams", "1", "--sheet", nowhere});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_EQ(unwritable.out, "");
    EXPECT_EQ(unwritable.err.rfind("structcalc: cannot write " + nowhere, 0), 0u) << unwritable.err;
}

}  // namespace

namespace {

TEST_F(SavedFile, FilesThatAreNoRegularFilesAreNamedByTheirKindAndNeverWaitedOn)
{
    const std::string file = write("b12.structcalc.json", shell::writeSavedCalculation(beam()));
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(path("folder").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("loop", path("loop").c_str()), 0);
    ASSERT_EQ(::link(file.c_str(), path("hard.pdf").c_str()), 0);
    ASSERT_EQ(::symlink(file.c_str(), path("soft.pdf").c_str()), 0);
    const struct {
        std::vector<std::string> args;
        std::string message;
    } calls[] = {
        {{"--open", path("fifo")}, "cannot read " + path("fifo") + ": it is a FIFO (named pipe)"},
        {{"--open", path("folder")}, "cannot read " + path("folder") + ": it is a folder"},
        {{"--open", path("loop")}, "cannot read " + path("loop") + ": there is a loop of symbolic links"},
        {{"--open", path("none")}, "cannot read " + path("none") + ": there is no such file"},
        {{"--open", "/dev/zero"}, "cannot read /dev/zero: it is a character device"},
        {{"--open", file, "--sheet", file}, "cannot write " + file + ": it is the calculation --open reads"},
        {{"--open", file, "--sheet", path("hard.pdf")},
         "cannot write " + path("hard.pdf") + ": it is the calculation --open reads"},
        {{"--open", file, "--sheet", path("soft.pdf")},
         "cannot write " + path("soft.pdf") + ": it is the calculation --open reads"},
        {{"Beams", "1", "--sheet", path("folder")}, "cannot write " + path("folder") + ": it is a folder"},
        {{"Beams", "1", "--sheet", path("fifo")}, "cannot write " + path("fifo") + ": it is a FIFO (named pipe)"},
        {{"Beams", "1", "--sheet", "/dev/null"}, "cannot write /dev/null: it is a character device"},
    };
    for (const auto &c : calls) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.err, "structcalc: " + c.message + "\n");
        EXPECT_EQ(r.out, "");
    }
    // A too large file is refused by the limit, not by what a read of it gave.
    write("large.structcalc.json", std::string(shell::SavedCalculationMaxBytes + 100000, ' '));
    EXPECT_EQ(run({"--open", path("large.structcalc.json")}).err,
              "structcalc: cannot read " + path("large.structcalc.json") + ": it is larger than " +
                  std::to_string(shell::SavedCalculationMaxBytes) + " bytes\n");
    // The calculation is as it was, and the links too.
    EXPECT_EQ(run({"--open", path("soft.pdf"), "--raw"}).out, run({"--open", file, "--raw"}).out);
    EXPECT_EQ(fs::hard_link_count(file), 2u);
}

TEST_F(SavedFile, TheSheetNeverGoesWhereTheRowsGo)
{
    // A link to the standard output: the rows are not mixed into the sheet, nor the sheet into them.
    const std::string rows = path("rows.txt");
    const int descriptor = ::open(rows.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::symlink(("/proc/self/fd/" + std::to_string(descriptor)).c_str(), path("to-rows.pdf").c_str()), 0);
    structcalc::DescriptorOutput output(descriptor);
    std::ostream out(&output);
    std::ostringstream err;
    EXPECT_EQ(structcalc::run({"Beams", "1", "--sheet", path("to-rows.pdf")}, out, err), 2);
    output.close();
    EXPECT_EQ(err.str(), "structcalc: cannot write " + path("to-rows.pdf") + ": it is the standard output\n");
    EXPECT_EQ(fs::file_size(rows), 0u);
}

TEST_F(SavedFile, ASheetIsWrittenWholeToALinksTargetOrNotAtAll)
{
    write("old.pdf", "the old sheet");
    ASSERT_EQ(::symlink("old.pdf", path("link.pdf").c_str()), 0);
    const Outcome linked = run({"Beams", "1", "--sheet", path("link.pdf")});
    EXPECT_EQ(linked.status, 0) << linked.err;
    EXPECT_TRUE(fs::is_symlink(path("link.pdf")));
    EXPECT_GT(fs::file_size(path("old.pdf")), 10000u);
    // A name that is no UTF-8 is written as it is given.
    EXPECT_EQ(run({"Beams", "1", "--sheet", path("\xFF.pdf")}).status, 0);
    EXPECT_TRUE(fs::exists(path("\xFF.pdf")));
    fs::remove(path("\xFF.pdf"));

    // A file size limit fails the write part way, as a nearly full disk does.
    write("old.pdf", "the old sheet");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 16384;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Outcome full = run({"Beams", "1", "--sheet", path("link.pdf")});
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.err, "structcalc: cannot write " + path("link.pdf") + ": File too large\n");
    EXPECT_EQ(full.out, "");
    std::stringstream kept;
    kept << std::ifstream(path("old.pdf")).rdbuf();
    EXPECT_EQ(kept.str(), "the old sheet");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2) << "no file left behind";
}

}  // namespace

namespace {

// Two spans of 4 m under 10 N/mm, kept in a file as the Member window keeps it.
shell::SavedCalculation twoSpans()
{
    shell::SavedCalculation c;
    c.program = "Member";
    c.caseCaption = "Member";
    c.units = {shell::LengthUnit::Metre, shell::ForceUnit::Kilonewton};
    c.inputs = {{"l", "8", "0.1"}, {"E", "2.05e8", "1000"}, {"I", "1e-4", "1e-6"}, {"x", "2", "0.1"}};
    c.ticked = {true, false};
    c.member = shell::MemberTables();
    c.member->tables[shell::SupportTable] = {
        {"0", "pinned", "", "", ""}, {"4", "roller", "", "", ""}, {"8", "r", "", "", ""}};
    c.member->tables[shell::DistributedLoadTable] = {{"0", "8", "10", "10"}};
    return c;
}

}  // namespace

// A member's file answers as the member it holds, with or without the program named, in its own
// units or those asked for, with its sheet; another program's file is refused by name.
TEST_F(SavedFile, AMembersFileAnswersAsItsMember)
{
    const std::string file = write("spans.structcalc.json", shell::writeSavedCalculation(twoSpans()));
    const Outcome rows = run({"--open", file});
    ASSERT_EQ(rows.status, 0) << rows.err;
    EXPECT_EQ(rows.out.rfind("反力 (R1)\t1.500e+01\tkN\n反力 (R2)\t5.000e+01\tkN\n", 0), 0u) << rows.out;
    EXPECT_NE(rows.out.find("最小曲げモーメント (Mmin)\t-2.000e+01\tkN･m\tx = 4 m\n"), std::string::npos) << rows.out;
    const Outcome json = run({"member", "--open", file, "--json", "--unit", "mm"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("\"reactions\": [{\"x\": 0, \"kind\": \"pinned\", \"force\": 15000.0000"),
              std::string::npos)
        << json.out;

    const std::string sheet = path("spans.pdf");
    EXPECT_EQ(run({"Member", "--open", file, "--sheet", sheet}).status, 0);
    EXPECT_EQ(run({"Member", "--member", "-", "--sheet", path("d.pdf")},
                  R"({"length": 8, "E": 2e8, "I": 1e-4, "supports": [{"x": 0, "kind": "fixed"}]})")
                  .status,
              0);
    for (const std::string &pdf : {sheet, path("d.pdf")}) {
        std::ifstream in(pdf, std::ios::binary);
        std::string head(5, ' ');
        in.read(head.data(), 5);
        EXPECT_EQ(head, "%PDF-") << pdf;
    }
    const Outcome noStiffness = run({"Member", "--member", "-", "--sheet", path("n.pdf")},
                                    R"({"length": 8, "supports": [{"x": 0, "kind": "fixed"}]})");
    EXPECT_EQ(noStiffness.status, 2);
    EXPECT_NE(noStiffness.err.find("the sheet needs the member's E and I"), std::string::npos) << noStiffness.err;

    shell::SavedCalculation beams = twoSpans();
    beams.program = "Beams";
    const Outcome other = run({"Member", "--open", write("b.structcalc.json", shell::writeSavedCalculation(beams))});
    EXPECT_EQ(other.status, 2);
    EXPECT_NE(other.err.find("cannot open"), std::string::npos) << other.err;
    EXPECT_NE(other.err.find("Beams"), std::string::npos) << other.err;
}
