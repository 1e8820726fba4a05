// The instruction texts, help pages and wiring sketches against one golden file, and the range
// check behind every number field.
#include "gui_fixture.h"
#include "guidance/help_pages.h"
#include "guidance/instruction_text.h"
#include "guidance/wiring_sketch.h"
#include "platform/numeric_input.h"
#include "support/recording_picture.h"

#include <sstream>
#include <string>

namespace terzlab::test {

namespace {

// The sketch as drawn: every label with its place, colour and weight, every stroke.
void describeSketch(std::ostream& doc, const guidance::SketchInputs& in) {
    RecordingPicture picture{guidance::kSketchWidth, guidance::kSketchHeight, 20.0};
    guidance::DrawWiringSketch(picture, in);
    doc << "== sketch mode " << in.mode << (in.leftChannel ? " left" : " right") << " part "
        << in.impedancePart << (in.swapImpedance ? " Rvor<->Zx" : "")
        << (in.swapChannels ? " Li<->Re" : "") << "\n"
        << std::hex;
    for (const RecordedText& t : picture.Texts)
        doc << "text " << std::dec << t.x << " " << t.y << std::hex << " " << t.colour
            << (t.font.Bold ? " bold " : " ") << t.text << "\n";
    for (const RecordedSegment& s : picture.Segments)
        doc << std::dec << s.x1 << " " << s.y1 << " " << s.x2 << " " << s.y2 << std::hex << " "
            << s.colour << "\n";
    doc << std::dec;
}

std::string allTexts() {
    std::ostringstream doc;
    for (int mode = -1; mode <= guidance::kLastInstructionMode + 1; ++mode)
        for (const bool left : {true, false})
            for (int part = 0; part <= (mode == 3 ? 2 : 0); ++part)
                doc << "== instructions mode " << mode << (left ? " left" : " right") << " part "
                    << part << "\n"
                    << showLineEnds(guidance::InstructionText({mode, left, part})) << "\n";
    for (int page = 0; page <= 30; ++page)
        for (const bool lowSine : {false, true}) {
            const auto help = guidance::HelpPageFor(page, lowSine);
            if (!help || (lowSine && page != guidance::kCalibrationSignalPage)) continue;
            doc << "== help page " << page << (lowSine ? " low sine" : "") << "\n"
                << help->caption << "\n"
                << showLineEnds(help->bigText) << "\n"
                << showLineEnds(help->normText) << "\n"
                << help->button
                << (help->icon == guidance::HelpIcon::Warning ? " warning" : " information")
                << "\n";
        }
    const guidance::SketchInputs sketches[] = {
        {0, false},   {1, true, 1}, {2, false},         {3, true, 1},
        {3, true, 2}, {4, true},    {4, true, 0, true}, {4, true, 0, false, true},
        {5, false},   {9, true}};
    for (const guidance::SketchInputs& in : sketches)
        describeSketch(doc, in);
    return doc.str();
}

// The user reads these words and follows the sketch: a change to them must be a change to the
// golden file as well (TERZLAB_WRITE_GOLDEN=1 rewrites it).
TEST(GuidanceTexts, EveryInstructionHelpPageAndSketchReadsAsTheGoldenFile) {
    expectGoldenFile("guidance_texts.txt", allTexts());
}

TEST(NumericInput, KeyFilterAndRangeCheckRefuseWhatMakesNoPlainNumber) {
    // Keys a dialog test cannot type: a Return and a letter outside ASCII.
    for (const int key : {13, 0xE4})
        EXPECT_EQ(platform::FilterNumericKey(key, true), 0) << key;
    using platform::CheckRange;
    for (const char* text : {"0.1", "100", "4,7", ".5"})
        EXPECT_TRUE(CheckRange(std::string_view(text), 0.1, 100.0)) << text;
    EXPECT_TRUE(CheckRange(std::string_view("-99.99"), -99.99, 99.99));
    for (const char* text :
         {"0.05", "100.001", "", ".", "-", "1.2.3", "1,2,3", "1e1", "12abc", " 5", "5 ", "inf"})
        EXPECT_FALSE(CheckRange(std::string_view(text), 0.1, 100.0)) << text;
}

} // namespace

} // namespace terzlab::test
