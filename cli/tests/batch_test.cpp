// structcalc --batch: one case per CSV line, good and bad lines side by side, the header's
// columns, units, JSON lines, and a long input streamed in constant memory.

#include "cli/structcalc.h"
#include "cli/tests/running.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

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

    // A byte that is not UTF-8 goes into JSON as the replacement character.
    const Outcome json = run({"Beams", "--batch", "--json"}, "case,P\n9\x89,1\n1,\xE6\xA2\n");
    EXPECT_EQ(lines(json.out),
              (std::vector<std::string>{
                  "{\"line\": 2, \"case\": null, \"status\": \"rejected\", \"reason\": \"case '9\\ufffd' is not a "
                  "case of Beams (1 to 19)\"}",
                  "{\"line\": 3, \"case\": 1, \"status\": \"rejected\", \"reason\": \"P: not a number: "
                  "\\ufffd\\ufffd\"}"}));
}

// Lines made one at a time, never held whole: the input of a long batch.
class GeneratedLines : public std::streambuf
{
public:
    explicit GeneratedLines(long count) : m_count(count) {}

protected:
    int_type underflow() override
    {
        if (m_next > m_count)
            return traits_type::eof();
        m_line = m_next == 0
                     ? std::string("case,P,a,l\n")
                     : "1," + std::to_string(100 + (m_next % 50)) + "," + std::to_string(m_next % 100) + ",100\n";
        ++m_next;
        setg(m_line.data(), m_line.data(), m_line.data() + m_line.size());
        return traits_type::to_int_type(m_line[0]);
    }

private:
    long m_count;
    long m_next = 0;
    std::string m_line;
};

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
    static std::size_t heapInUse() { return mallinfo2().uordblks; }
};

TEST(structcalcBatch, aHundredThousandLinesRunInConstantMemory)
{
    GeneratedLines source(100000);
    std::istream in(&source);
    CountingSink sink;
    std::ostream out(&sink);
    std::ostringstream err;
    const std::size_t before = CountingSink::heapInUse();
    EXPECT_EQ(structcalc::run({"Beams", "--batch"}, out, err, &in), 0) << err.str();
    EXPECT_EQ(sink.lines, 100002);
#if !defined(__SANITIZE_ADDRESS__)
    // The heap the batch holds does not grow with the lines it has read (under the address
    // sanitizer the allocator is not glibc's and keeps no such count).
    EXPECT_LT(sink.mostHeap, before + (1 << 20));
#else
    (void)before;
#endif
}

}  // namespace
