// --lang: the answer wholly in Japanese or in English; without it, the very bytes scripts read.

#include "cli/tests/floorbeam.h"
#include "cli/tests/running.h"
#include "registry/registry.h"

#include <gtest/gtest.h>

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

}  // namespace
