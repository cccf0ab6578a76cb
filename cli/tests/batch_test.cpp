// structcalc --batch: one case per CSV line, good and bad lines side by side, the header's
// columns, units, JSON lines, and a long input streamed in constant memory.

#include "cli/descriptorstreams.h"
#include "cli/structcalc.h"
#include "cli/tests/running.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's count of the heap in use (its allocator replaces glibc's).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

using structcalc::testing::lines;
using structcalc::testing::Outcome;
using structcalc::testing::run;

TEST(structcalcBatch, goodAndBadLinesEachGetTheirStatusAndLineNumber)
{
    const Outcome r = run({"Beams", "--batch", "-"}, "case,P,a,l\n"
                                                     "1,100,30,100\n"
                                                     "1,100,150,100\n"
                                                     "4,,,\n"
                                                     "1,12abc,30,100\n"
                                                     "20,1,1,1\n"
                                                     "\n"
                                                     "1,200,30,100\n");
    EXPECT_EQ(r.status, 3);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 8u);  // two header lines, six records (the blank line skipped)
    EXPECT_EQ(out[0].rfind("case,P,a,l,RA,RB,", 0), 0u);
    EXPECT_EQ(out[0].substr(out[0].size() - 13), ",status,notes");
    EXPECT_EQ(out[1].rfind(",N,mm,mm,N,N,", 0), 0u);
    EXPECT_EQ(out[2].rfind("1,100,30,100,7.000e+01,3.000e+01,", 0), 0u);
    EXPECT_EQ(out[2].substr(out[2].size() - 4), ",ok,");
    EXPECT_NE(out[3].find(",rejected: Beam (1): a must lie between 0 and l"), std::string::npos);
    // A column the line's case lacks may stay empty: Beam (4) takes its start values.
    EXPECT_EQ(out[4].substr(out[4].size() - 4), ",ok,");
    EXPECT_NE(out[5].find(",rejected: P: not a number: 12abc"), std::string::npos);
    EXPECT_NE(out[6].find(",rejected: case '20' is not a case of Beams (1 to 19)"), std::string::npos);
    EXPECT_EQ(out[7].rfind("1,200,30,100,1.400e+02,", 0), 0u);  // the lines after the bad ones
    EXPECT_EQ(lines(r.err),
              (std::vector<std::string>{"structcalc: line 3: Beam (1): a must lie between 0 and l",
                                        "structcalc: line 5: P: not a number: 12abc",
                                        "structcalc: line 6: case '20' is not a case of Beams (1 to 19)"}));

    const Outcome ok = run({"Beams", "--batch", "--raw"}, "P,case\n250,1\n");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(lines(ok.out)[2].rfind("250,1,175,75,", 0), 0u);  // the columns stay in their order
}

// A line whose rows cannot all be computed is computed, and says why on stderr and beside the
// null of its JSON; a number below the normal range of a double refuses its line.
TEST(structcalcBatch, rowsWithoutAValueSayWhyAndTinyNumbersAreRefused)
{
    const Outcome r = run({"Beams", "--batch", "-"}, "case,P\n1,1e305\n1,1e-400\n");
    EXPECT_EQ(r.status, 3);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 4u);
    const std::string step = "too large to compute: a step of its formula goes beyond 1.8e308";
    EXPECT_NE(out[2].find(",ok,Mmax: " + step + "; σmax: " + step), std::string::npos) << out[2];
    EXPECT_NE(out[3].find(",rejected: Beam (1): P is too small a number (nearer 0 than 2.2e-308)"), std::string::npos);
    EXPECT_EQ(lines(r.err), (std::vector<std::string>{
                                std::string("structcalc: line 2: note: Beam (1): Mmax: ") + step,
                                std::string("structcalc: line 2: note: Beam (1): σmax: ") + step,
                                "structcalc: line 3: Beam (1): P is too small a number (nearer 0 than 2.2e-308)"}));
    const Outcome json = run({"Beams", "--batch", "--json"}, "case,P\n1,1e305\n");
    EXPECT_NE(
        json.out.find("{\"symbol\": \"Mmax\", \"value\": null, \"reason\": \"" + step + "\", \"unit\": \"N･mm\"}"),
        std::string::npos)
        << json.out;
}

TEST(structcalcBatch, headerProblemsAndEmptyInputAreUsageErrors)
{
    for (const auto &[input, message] : std::vector<std::pair<std::string, std::string>>{
             {"", "structcalc: --batch: the input has no header line\n"},
             {"P,a\n1,2\n", "structcalc: --batch: the header names no column case\n"},
             {"case,P,depth\n1,2,3\n", "structcalc: --batch: the header's column 'depth' is not an input of Beams\n"},
             {"case,P,P\n", "structcalc: --batch: the header names the column P twice\n"}}) {
        const Outcome r = run({"Beams", "--batch"}, input);
        EXPECT_EQ(r.status, 2) << input;
        EXPECT_EQ(r.err, message);
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(run({"Beams", "1", "--batch"}, "case\n").status, 2);
    EXPECT_EQ(run({"Beams", "--batch", "/nonexistent/file.csv"}, "").status, 2);
    // A header alone: the two header lines and nothing else.
    const Outcome header = run({"Beams", "--batch"}, "case,w\n");
    EXPECT_EQ(header.status, 0);
    EXPECT_EQ(lines(header.out).size(), 2u);
}

TEST(structcalcBatch, unitsQuotedFieldsAndJsonLines)
{
    // In m and kN the start values convert and the given values are read in those units.
    const Outcome si = run({"Beams", "--batch", "--unit", "m,kN", "--raw"}, "case,P,l\n1,0.1,0.1\n");
    ASSERT_EQ(si.status, 0);
    EXPECT_EQ(lines(si.out)[1].rfind(",kN,m,kN,kN,kN･m,", 0), 0u);
    EXPECT_EQ(lines(si.out)[2].rfind("1,0.1,0.1,0.07,0.03,", 0), 0u);

    const Outcome quoted = run({"Beams", "--batch"}, "\"case\",\"P\"\r\n\"1\",\" 1 0 0 \"\r\n");
    ASSERT_EQ(quoted.status, 0);
    EXPECT_EQ(lines(quoted.out)[2].rfind("1, 1 0 0 ,7.000e+01,", 0), 0u);

    const Outcome json = run({"Beams", "--batch", "--json"}, "case,a\n1,30\n1,-1\n");
    EXPECT_EQ(json.status, 3);
    const std::vector<std::string> out = lines(json.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].rfind("{\"line\": 2, \"case\": 1, \"status\": \"ok\", \"inputs\": {\"P\": 100, \"a\": 30,", 0),
              0u);
    EXPECT_NE(out[0].find("{\"symbol\": \"RA\", \"value\": 70, \"unit\": \"N\"}"), std::string::npos);
    EXPECT_EQ(out[1], "{\"line\": 3, \"case\": 1, \"status\": \"rejected\", \"reason\": \"Beam (1): a must lie between "
                      "0 and l\"}");
}

// A value outside its formula's range is written as computed, with the reason in the notes
// column (and in its JSON row); a line inside every range has empty notes.
TEST(structcalcBatch, notesNameTheRowsOutsideTheirFormulasRange)
{
    const Outcome r = run({"buckling", "--batch"}, "case,l\n6,721.5\n6,100\n5,721.5\n");
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0], "case,l,Pk,σk,k,λ,L,status,notes");
    EXPECT_EQ(out[1], ",mm,N,N/mm^2,mm,,mm,,");
    EXPECT_EQ(out[2], "6,721.5,,-1.848e+01,2.886e+00,2.500e+02,,ok,σk: the wrought-iron formula holds for λ up to 112; "
                      "Euler applies beyond");
    EXPECT_EQ(out[3], "6,100,,2.524e+02,2.886e+00,3.465e+01,,ok,");
    // Cast iron's parabola rising again far beyond its range, marked all the same.
    EXPECT_EQ(out[4].rfind("5,721.5,,1.149e+03,", 0), 0u) << out[4];
    EXPECT_EQ(out[4].substr(out[4].find(",ok,")),
              ",ok,σk: the cast-iron formula holds for λ up to 80; Euler applies beyond");

    const Outcome json = run({"buckling", "--batch", "--json"}, "case,l\n6,721.5\n");
    EXPECT_NE(json.out.find("{\"symbol\": \"σk\", \"value\": -18.481046367646464, \"unit\": \"N/mm^2\", "
                            "\"outsideRange\": \"the wrought-iron formula holds for λ up to 112; Euler applies "
                            "beyond\"}, {\"symbol\": \"k\""),
              std::string::npos)
        << json.out;
}

// As on the command line: b follows a where only a is given (a + b = l), not where both are.
TEST(structcalcBatch, aPartnerNotGivenFollows)
{
    const Outcome r = run({"Rahmen", "--batch", "--raw"}, "case,a,b\n3,40,\n3,40,50\n3,140,\n");
    EXPECT_EQ(r.status, 3);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[2].rfind("3,40,,-7200,-7200,600,400,", 0), 0u) << out[2];
    EXPECT_NE(out[3].find(",rejected: Rahmen (3): a + b must equal l,"), std::string::npos) << out[3];
    EXPECT_NE(out[4].find(",rejected: Rahmen (3): b = l − a would be negative,"), std::string::npos) << out[4];
}

TEST(structcalcBatch, theUsersTextsStayOnOneLineAndJsonStaysUtf8)
{
    const Outcome r = run({"Beams", "--batch"}, "case,P\n1,\"10\nkN\"\n1,\"x\ty\"\n");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(lines(r.err), (std::vector<std::string>{"structcalc: line 2: P: not a number: 10\\nkN",
                                                      "structcalc: line 4: P: not a number: x\\ty"}));
    // The field goes back as it was, quoted; its status stays on its record's line.
    EXPECT_NE(r.out.find("1,\"10\nkN\","), std::string::npos);
    EXPECT_NE(r.out.find(",rejected: P: not a number: 10\\nkN,\n"), std::string::npos);

    // A byte that is not UTF-8 is quoted as its escape, in messages and in JSON.
    const Outcome json = run({"Beams", "--batch", "--json"}, "case,P\n9\x89,1\n1,\xE6\xA2\n");
    EXPECT_EQ(lines(json.out),
              (std::vector<std::string>{
                  "{\"line\": 2, \"case\": null, \"status\": \"rejected\", \"reason\": \"case '9\\\\x89' is not a "
                  "case of Beams (1 to 19)\"}",
                  "{\"line\": 3, \"case\": 1, \"status\": \"rejected\", \"reason\": \"P: not a number: "
                  "\\\\xE6\\\\xA2\"}"}));
    EXPECT_EQ(lines(json.err)[0], "structcalc: line 2: case '9\\x89' is not a case of Beams (1 to 19)");
}

// Counts the lines written and the largest heap in use while writing them.
class CountingSink : public std::streambuf
{
public:
    long lines = 0;
    std::size_t mostHeap = 0;

protected:
    int_type overflow(int_type ch) override
    {
        if (ch == '\n' && ++lines % 1000 == 0)
            mostHeap = std::max(mostHeap, heapInUse());
        return ch;
    }

public:
    // The heap in use: the sanitizer's allocator keeps its own count, glibc's another.
    static std::size_t heapInUse()
    {
#if defined(__SANITIZE_ADDRESS__)
        return __sanitizer_get_current_allocated_bytes();
#else
        return mallinfo2().uordblks;
#endif
    }
};

// An input made of parts, each a text repeated a number of times (-1: for ever), made a buffer
// at a time and never held whole; it notes the largest heap in use while it is read.
class Repeated : public std::streambuf
{
public:
    explicit Repeated(std::vector<std::pair<std::string, long>> parts) : m_parts(std::move(parts)) {}
    std::size_t mostHeap = 0;

protected:
    int_type underflow() override
    {
        mostHeap = std::max(mostHeap, CountingSink::heapInUse());
        m_buffer.clear();
        while (m_buffer.size() < 65536 && m_part < m_parts.size()) {
            auto &[text, count] = m_parts[m_part];
            if (count == 0) {
                ++m_part;
                continue;
            }
            m_buffer += text;
            if (count > 0)
                --count;
        }
        if (m_buffer.empty())
            return traits_type::eof();
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + m_buffer.size());
        return traits_type::to_int_type(m_buffer[0]);
    }

private:
    std::vector<std::pair<std::string, long>> m_parts;
    std::size_t m_part = 0;
    std::string m_buffer;
};

// Whatever the input holds (a hundred thousand lines, a line of 16 MiB, a quote never closed over
// millions of lines, half a million fields, NUL bytes without end), the batch holds at most a
// bounded line while it reads and writes, refuses what is longer with its line number and goes
// on at the next line.
TEST(structcalcBatch, memoryStaysBoundedWhateverTheInputHolds)
{
    const std::string tooLong = "the line is longer than 1048576 bytes";
    const struct {
        std::vector<std::pair<std::string, long>> input;
        int status;
        std::string err;
        long records;  // written after the two header lines
    } inputs[] = {
        {{{"case,P,a,l\n", 1}, {"1,100,30,100\n", 100000}}, 0, "", 100000},
        {{{"case,P\n1,", 1}, {"x", 16 << 20}, {"\n1,100\n", 1}}, 3, "structcalc: line 2: " + tooLong + "\n", 2},
        {{{"case,P\n1,\"", 1}, {"\n", 3 << 20}, {"1,100\n", 1}},
         3,
         "structcalc: line 2: a quoted field runs on past 1048576 bytes, to line 1048575 (an unclosed quote?)\n",
         2},
        {{{"case,P\n1", 1}, {",0", 500000}, {"\n", 1}}, 0, "", 1},
        {{{"case,P\n1,2\n", 1}, {std::string(1, '\0'), -1}},
         2,
         "structcalc: --batch: the input is not text: line 3 holds a NUL byte\n",
         1},
        {{{"case,P\n1,2\n1,", 1}, {"x", 2 << 20}, {std::string(1, '\0'), -1}},
         2,
         "structcalc: --batch: the input is not text: line 3 holds a NUL byte\n",
         1},
    };
    for (const auto &c : inputs) {
        Repeated source(c.input);
        std::istream in(&source);
        CountingSink sink;
        std::ostream out(&sink);
        std::ostringstream err;
        const std::size_t before = CountingSink::heapInUse();
        EXPECT_EQ(structcalc::run({"Beams", "--batch"}, out, err, &in), c.status) << c.err;
        EXPECT_EQ(err.str(), c.err);
        EXPECT_EQ(sink.lines, 2 + c.records) << c.err;
        EXPECT_LT(source.mostHeap, before + (3 << 20)) << c.err;
        // The heap does not grow with the lines written (sampled every thousand lines).
        EXPECT_LT(sink.mostHeap, before + (1 << 20)) << c.err;
    }
    const Outcome refused = run({"Beams", "--batch"}, "case,P\n1," + std::string(2 << 20, '7') + "\n");
    EXPECT_NE(lines(refused.out)[2].find(",rejected: " + tooLong), std::string::npos);
    const Outcome json = run({"Beams", "--batch", "--json"}, "case,P\n1," + std::string(2 << 20, '7') + "\n");
    EXPECT_EQ(json.out, "{\"line\": 2, \"case\": null, \"status\": \"rejected\", \"reason\": \"" + tooLong + "\"}\n");
    EXPECT_EQ(run({"Beams", "--batch"}, "case," + std::string(2 << 20, 'P') + "\n").err,
              "structcalc: --batch: the header line is longer than 1048576 bytes\n");
}

// A cell of the input written back never runs in a spreadsheet that opens the output.
TEST(structcalcBatch, inputCellsThatLookLikeFormulasGoBackAsText)
{
    const Outcome r = run({"Beams", "--batch"}, "case,P,a\n"
                                                "=cmd|' /C calc'!A0,1,2\n"
                                                "1,@SUM(A1:A2),3\n"
                                                "1,-5,\"=HYPERLINK(\"\"http://x\"\")\"\n"
                                                "1,\"\tx\",+3\n"
                                                "1,-2,\"\r=1\"\n"
                                                "-1,+2,-3\n");
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 8u) << r.out;
    for (const auto &[line, start] :
         std::vector<std::pair<std::size_t, std::string>>{{2, "'=cmd|' /C calc'!A0,1,2,"},
                                                          {3, "1,'@SUM(A1:A2),3,"},
                                                          {4, "1,-5,\"'=HYPERLINK(\"\"http://x\"\")\","},
                                                          {5, "1,'\tx,+3,"},
                                                          {6, "1,-2,\"'\r=1\","},
                                                          {7, "-1,+2,-3,"}})  // numbers stay as they are
        EXPECT_EQ(out[line].rfind(start, 0), 0u) << out[line];
    // A byte-order mark before the header is no part of it.
    EXPECT_EQ(run({"Beams", "--batch"}, "\xEF\xBB\xBF"
                                        "case,P\n1,100\n")
                  .status,
              0);
}

TEST(structcalcBatch, aNamedInputIsReadOnlyWhereItIsARegularFile)
{
    char pattern[] = "/tmp/batch_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    const std::string fifo = folder + "/fifo", csv = folder + "/in.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(csv) << "case,P\n1,100\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls{
        {{"Beams", "--batch", fifo},
         "cannot read " + fifo + ": it is a FIFO (named pipe); give it as standard input (--batch -)"},
        {{"Beams", "--batch", folder}, "cannot read " + folder + ": it is a folder"},
        {{"Beams", "--batch", "/dev/zero"}, "cannot read /dev/zero: it is a character device"},
    };
    for (const auto &[args, message] : calls) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "structcalc: " + message + "\n");
    }
    EXPECT_EQ(run({"Beams", "--batch", csv}).status, 0);

    // A standard input that cannot be read says why; a batch never reads its own output.
    const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    structcalc::DescriptorInput unreadable(folderDescriptor);
    std::istream in(&unreadable);
    std::ostringstream out, err;
    EXPECT_EQ(structcalc::run({"Beams", "--batch", "-"}, out, err, &in), 2);
    EXPECT_EQ(err.str(), "structcalc: cannot read the standard input: it is a folder\n");
    ::close(folderDescriptor);
    const int answers = ::open(csv.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    structcalc::DescriptorOutput appended(answers);
    std::ostream toCsv(&appended);
    std::ostringstream said;
    EXPECT_EQ(structcalc::run({"Beams", "--batch", csv}, toCsv, said), 2);
    EXPECT_EQ(said.str(), "structcalc: " + csv + " is both the input and the standard output\n");
    appended.close();
    std::system(("rm -rf '" + folder + "'").c_str());
}

}  // namespace
