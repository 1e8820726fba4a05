// The instruction and help texts against one golden file, and the key filter and range check
// behind every number field.
#include "calibration/numeric_input.h"
#include "guidance/help_pages.h"
#include "guidance/instruction_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace terzlab::test {

namespace {

// Every instruction text and help page as one document, lines split at CR LF; a bare CR or LF
// is marked so that a broken line end shows in the comparison.
std::string shown(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0)
            out += '\n', ++i;
        else if (text[i] == '\r' || text[i] == '\n')
            out += "<bare line end>";
        else
            out += text[i];
    }
    return out;
}

std::string allTexts() {
    std::ostringstream doc;
    for (int mode = -1; mode <= guidance::kLastInstructionMode + 1; ++mode)
        for (const bool left : {true, false})
            for (int part = 0; part <= (mode == 3 ? 2 : 0); ++part)
                doc << "== instructions mode " << mode << (left ? " left" : " right") << " part "
                    << part << "\n"
                    << shown(guidance::InstructionText({mode, left, part})) << "\n";
    for (int page = 0; page <= 30; ++page)
        for (const bool lowSine : {false, true}) {
            const auto help = guidance::HelpPageFor(page, lowSine);
            if (!help || (lowSine && page != guidance::kCalibrationSignalPage)) continue;
            doc << "== help page " << page << (lowSine ? " low sine" : "") << "\n"
                << help->caption << "\n"
                << shown(help->bigText) << "\n"
                << shown(help->normText) << "\n"
                << help->button
                << (help->icon == guidance::HelpIcon::Warning ? " warning" : " information")
                << "\n";
        }
    return doc.str();
}

// The user reads these words; a change to them must be a change to the golden file as well.
TEST(GuidanceTexts, EveryInstructionAndHelpPageReadsAsTheGoldenFile) {
    const std::string golden = TERZLAB_TEST_DATA "/guidance_texts.txt";
    if (std::getenv("TERZLAB_WRITE_GOLDEN")) std::ofstream(golden, std::ios::binary) << allTexts();
    std::ostringstream expected;
    expected << std::ifstream(golden, std::ios::binary).rdbuf();
    EXPECT_EQ(allTexts(), expected.str());
}

TEST(NumericInput, KeyFilterPassesOnlyWhatMakesANumber) {
    using calibration::FilterNumericKey;
    for (const int key : {8, int{'.'}, int{'0'}, int{'5'}, int{'9'}})
        EXPECT_EQ(FilterNumericKey(key, false), key);
    EXPECT_EQ(FilterNumericKey(',', false), '.');
    EXPECT_EQ(FilterNumericKey('-', false), 0);
    EXPECT_EQ(FilterNumericKey('-', true), '-');
    for (const int key : {int{'+'}, int{'e'}, int{'a'}, int{' '}, 13, 0xE4})
        EXPECT_EQ(FilterNumericKey(key, true), 0) << key;
}

TEST(NumericInput, RangeCheckIsInclusiveAndRefusesWhatIsNoNumber) {
    using calibration::CheckRange;
    for (const char* text : {"0.1", "100", "4,7", ".5"})
        EXPECT_TRUE(CheckRange(std::string_view(text), 0.1, 100.0)) << text;
    for (const char* text : {"0.05", "100.001"})
        EXPECT_FALSE(CheckRange(std::string_view(text), 0.1, 100.0)) << text;
    EXPECT_TRUE(CheckRange(std::string_view("-99.99"), -99.99, 99.99));
    for (const char* text : {"", ".", "-", "1.2.3", "1,2,3", "1e1", "12abc", " 5", "5 ", "inf"})
        EXPECT_FALSE(CheckRange(std::string_view(text), -1e9, 1e9)) << text;
}

} // namespace

} // namespace terzlab::test
