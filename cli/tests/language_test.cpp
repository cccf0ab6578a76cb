// --lang: the answer wholly in Japanese or in English; without it, the very bytes scripts read.

#include "cli/tests/floorbeam.h"
#include "cli/tests/running.h"
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

using structcalc::testing::lines;
using structcalc::testing::Outcome;
using structcalc::testing::run;

// Kana and CJK ideographs in UTF-8 (U+3040 to U+9FFF): lead bytes E3 to E9. The unit's "･"
// (U+FF65) is not among them.
bool hasJapanese(const std::string &text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0xE3 && static_cast<unsigned char>(c) <= 0xE9)
            return true;
    return false;
}

// The caption's symbol and what follows it: "反力 (RA)\t15\tN" -> "(RA)\t15\tN".
std::string fromSymbol(const std::string &line)
{
    const std::size_t tab = line.find('\t');
    const std::size_t open = line.rfind(" (", tab);
    return line.substr(open == std::string::npos ? 0 : open + 1);
}

// Every case of every program: in English the same rows with the same symbols, values and units,
// named without a Japanese word; in Japanese exactly the rows without --lang; and a run without
// --lang after them is as before.
TEST(structcalcLanguage, everyCaseInBothLanguages)
{
    for (const shell::Program *program : registry::programs()) {
        if (program->memberEditor)
            continue;
        for (int i = 0; i < program->caseCount(); ++i) {
            const std::vector<std::string> args{program->name, std::to_string(i + 1)};
            const Outcome written = run(args);
            auto english = args;
            english.insert(english.end(), {"--lang", "en"});
            const Outcome en = run(english);
            ASSERT_EQ(en.status, written.status) << en.err;
            EXPECT_FALSE(hasJapanese(en.out)) << en.out;
            const auto rows = lines(written.out);
            const auto enRows = lines(en.out);
            ASSERT_EQ(enRows.size(), rows.size()) << program->name << " " << i + 1;
            for (std::size_t r = 0; r < rows.size(); ++r)
                EXPECT_EQ(fromSymbol(enRows[r]), fromSymbol(rows[r])) << enRows[r];
            auto japanese = args;
            japanese.insert(japanese.begin(), "--lang=ja");
            EXPECT_EQ(run(japanese).out, written.out);
            EXPECT_EQ(run(args).out, written.out);
        }
    }
}

// The rows of any member in English, its combinations and checks included, and the refusals of
// other languages.
TEST(structcalcLanguage, anyMemberAndRefusals)
{
    const Outcome en = run({"Member", "--lang", "en", "--member", "-"}, structcalc::testing::FloorBeam);
    ASSERT_EQ(en.status, 0) << en.err;
    EXPECT_FALSE(hasJapanese(en.out)) << en.out;
    EXPECT_NE(en.out.find("Reaction (R1)\t"), std::string::npos) << en.out;
    EXPECT_NE(en.out.find("Min. bending moment, combinations (Mcmin)\t-4.200e+07\tN･mm\tx = 4000 mm\n"),
              std::string::npos)
        << en.out;
    EXPECT_NE(
        run({"Member", "--member", "-"}, structcalc::testing::FloorBeam).out.find("組合せ最小曲げモーメント (Mcmin)\t"),
        std::string::npos);

    const Outcome german = run({"Beams", "1", "--lang", "de"});
    EXPECT_EQ(german.status, 2);
    EXPECT_EQ(german.err.rfind("structcalc: --lang takes ja or en, not 'de'\nstructcalc: usage: ", 0), 0u)
        << german.err;
    EXPECT_EQ(run({"Beams", "1", "--lang"}).err.rfind("structcalc: --lang needs ja or en\n", 0), 0u);
}

// The first word of three or more Latin letters in `text` that a Japanese answer may not hold:
// any but the options and their words, the placeholders, the programs with the symbols of their
// inputs and rows, units, the formats' own keys and the words the user gave (file names, values,
// a batch's cells); "" where none.
std::string englishWord(const std::string &text, const std::vector<std::string> &args)
{
    std::set<std::string> allowed{"structcalc",   "PROGRAM",   "CASE",  "NAME",    "VALUE",  "UNITS",  "FILE",
                                  "QUANTITY",     "TRAIN",     "OUT",   "pdf",     "PDF",    "JSON",   "CSV",
                                  "NUL",          "MiB",       "theta", "delta",   "member", "lambda", "euler",
                                  "empirical",    "Mmax",      "Mmin",  "Vmax",    "Vmin",   "case",   "largest",
                                  "outsideRange", "rejected",  "true",  "printf",  "beam",   "json",   "help",
                                  "version",      "unit",      "raw",   "diagram", "points", "sheet",  "open",
                                  "batch",        "influence", "train", "list",    "lang",   "status", "notes"};
    const auto eachWord = [](const std::string &t, const auto &f) {
        for (std::size_t i = 0; i < t.size();) {
            std::size_t j = i;
            while (j < t.size() && std::isalpha(static_cast<unsigned char>(t[j])))
                ++j;
            if (j - i >= 3 && f(t.substr(i, j - i)))
                return;
            i = j == i ? i + 1 : j;
        }
    };
    const auto allow = [&](const std::string &w) {
        allowed.insert(w);
        return false;
    };
    for (const std::string &arg : args)
        eachWord(arg, allow);
    for (const shell::Program *program : registry::programs()) {
        allowed.insert(program->name);
        for (const shell::CaseDef &c : program->cases) {
            for (const shell::InputDef &input : c.inputs)
                eachWord(input.caption, allow);
            for (const shell::RowDef &row : c.rows)
                eachWord(row.caption, allow);
        }
    }
    std::string found;
    eachWord(text, [&](const std::string &w) { return allowed.count(w) == 0 && !(found = w).empty(); });
    return found;
}

// The command line's own words, refusals, notes, help and lists: wholly Japanese with --lang ja,
// without a Japanese word with --lang en, and the refusals in English the very bytes they are
// without --lang.
TEST(structcalcLanguage, theCommandLinesOwnWords)
{
    const struct {
        std::vector<std::string> args;
        std::string input;
        // Whether each message ends in words from below (the file system's, the member's reader):
        // those are made Japanese where they are written and are not looked at here.
        bool endsFromBelow = false;
    } commandLines[] = {
        {{"Nonesuch", "1"}, ""},
        {{"Beams", "99"}, ""},
        {{"Beams"}, ""},
        {{"--raw"}, ""},
        {{"Beams", "1", "--frobnicate"}, ""},
        {{"Beams", "1", "Pqr"}, ""},
        {{"Beams", "1", "zzz=1"}, ""},
        {{"Beams", "1", "P=12abc"}, ""},
        {{"Beams", "1", "--unit", "furlong"}, ""},
        {{"Beams", "1", "--points", "0", "--diagram"}, ""},
        {{"Beams", "1", "--points", "5"}, ""},
        {{"Rahmen", "1", "--diagram", "--batch"}, ""},
        {{"Beams", "1", "--open", "calc.json"}, ""},
        {{"--open", "/nonexistent/calc.structcalc.json"}, "", true},
        {{"Beams", "--batch", "-"}, "case,zzz\n"},
        {{"Beams", "--batch", "-"}, "case,P\n99,1\n1,abc\n"},
        {{"Member", "--member"}, ""},
        {{"Member", "--member", "-", "--frobnicate"}, ""},
        {{"Member", "--member", "-", "--influence", "R@1234"}, structcalc::testing::FloorBeam},
        {{"Member", "--member", "-", "--influence", "Q@1"}, structcalc::testing::FloorBeam},
        {{"Member", "--member", "-", "--influence", "M@3000"}, structcalc::testing::FloorBeam},
        {{"Member", "--member", "-"}, "{\"length\": 0}", true},
        {{"--list", "Beams", "99"}, ""},
        {{"--list"}, ""},
        {{"--list", "Beams", "10"}, ""},
        {{"--list", "buckling", "5"}, ""},
        {{"--help"}, ""},
    };
    for (const auto &line : commandLines) {
        const Outcome written = run(line.args, line.input);
        auto ja = line.args, en = line.args;
        ja.insert(ja.end(), {"--lang", "ja"});
        en.insert(en.begin(), "--lang=en");
        const Outcome japanese = run(ja, line.input);
        const Outcome english = run(en, line.input);
        const std::string what = ::testing::PrintToString(line.args);
        EXPECT_EQ(japanese.status, written.status) << what;
        EXPECT_EQ(english.status, written.status) << what;
        EXPECT_TRUE(hasJapanese(japanese.err + japanese.out)) << what;
        std::string said = japanese.out;
        for (const std::string &message : lines(japanese.err))
            said += (line.endsFromBelow ? message.substr(0, message.rfind(": ")) : message) + "\n";
        auto given = line.args;
        given.push_back(line.input);
        EXPECT_EQ(englishWord(said, given), "") << what << "\n" << japanese.err << japanese.out;
        EXPECT_FALSE(hasJapanese(english.err + english.out)) << english.err << english.out;
        EXPECT_EQ(english.err, written.err) << what;
        if (line.args[0] == "--help") {
            EXPECT_EQ(english.out, written.out);
        }
    }
}

}  // namespace
