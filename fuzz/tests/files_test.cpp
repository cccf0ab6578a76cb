// The file checks on files of every kind: each program's own saved calculations in every view,
// damaged and foreign files, and batches good, refused and malformed, as CSV and as JSON.

#include "cli/batch.h"
#include "fuzz/filechecks.h"
#include "registry/registry.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(fileChecks, holdForEveryProgramsOwnCalculationsAndForDamagedFiles)
{
    for (const shell::Program *program : registry::programs()) {
        shell::testing::RecordingPlatform platform;
        shell::ShellModel model(*program, platform);
        model.start();
        for (int c = 0; c < program->caseCount(); c += 3) {
            model.selectCase(c);
            model.tickRow(0, false);
            const std::string file = shell::writeSavedCalculation(model.save());
            SCOPED_TRACE(program->name + " case " + std::to_string(c + 1));
            EXPECT_EQ(fuzzing::checkSavedCalculationText(file), "");
            // Cut short, of a newer format, of a program the family does not have, refused inputs.
            EXPECT_EQ(fuzzing::checkSavedCalculationText(file.substr(0, file.size() / 2)), "");
            for (const auto &[from, to] :
                 std::vector<std::pair<std::string, std::string>>{{"\"version\": 1", "\"version\": 2"},
                                                                  {"\"program\": \"", "\"program\": \"X"},
                                                                  {"\"text\": \"", "\"text\": \"-"},
                                                                  {"\"text\": \"", "\"text\": \"1e400"}}) {
                std::string edited = file;
                edited.replace(edited.find(from), from.size(), to);
                EXPECT_EQ(fuzzing::checkSavedCalculationText(edited), "") << to;
            }
        }
    }
    for (const char *text : {"", "{", "[1, 2]", "{\"format\": \"structcalc calculation\", \"version\": 1}", "\xFF"})
        EXPECT_EQ(fuzzing::checkSavedCalculationText(text), "") << text;
}

TEST(fileChecks, holdForBatchesGoodRefusedAndMalformed)
{
    const std::vector<std::pair<int, std::string>> batches{
        {0, "case,P,a,l\n1,100,30,100\n1,100,150,100\n2,,,\n"},
        {0, "case,P\n1,\"multi\nline\"\n1,\"1,5\"\n"},
        {0, "case,P\r\n1,100\r\n"},
        {0, "P,a\n1,2\n"},  // no case column: a usage error
        {0, ""},
        {1, "case,P,a,b,l\n20,100,30,70,100\n21,1,2\n99\n"},
        {2, "case,P,h,l,a,b\n3,1000,100,100,30,70\n3,1000,100,100,30,60\n"},
        {3, "case,l,E,I,A,n\n2,100,100000,833,100,1\n2,0,1,1,1,1\n2,1e400,1,1,1,1\n"},
        {4, "case,a,b,c\n2,10,10,2\n2,10,10,6\nx,1,1,1\n"},
        {4, "case,a,b,c,\"unclosed\n"},
        {0, "case,P,a\n=1+2,@A1,-3\n1,\"\t=x\",+4\n"},     // cells a spreadsheet would run
        {0, std::string("case,P\n1,2\n1,\0\n1,3\n", 17)},  // not text after line 2
        {0, "\xEF\xBB\xBF"
            "case,P\n1,2\n"},  // a byte-order mark
    };
    for (const auto &[program, csv] : batches) {
        SCOPED_TRACE(csv);
        for (const bool stretched : {false, true}) {
            const std::string input =
                stretched ? csv + std::string(structcalc::MostRecordBytes + 1, '7') + "\n1\n" : csv;
            EXPECT_EQ(fuzzing::checkBatch(program, input, false, stretched), "");
            EXPECT_EQ(fuzzing::checkBatch(program, input, true, stretched), "");
        }
    }
}

}  // namespace
