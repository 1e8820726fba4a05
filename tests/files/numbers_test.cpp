#include "analysis/constants.h"
#include "files/disp_oct.h"
#include "files/numbers.h"
#include <gtest/gtest.h>

namespace terzlab {
namespace {

TEST(ParseNumber, AcceptsOnlyPlainDecimalsWithPointOrOneComma) {
    EXPECT_EQ(ParseNumber("-12.25"), -12.25);
    EXPECT_EQ(ParseNumber("1,5"), 1.5);
    EXPECT_EQ(ParseNumber("1.5.2"), 1.5);
    EXPECT_EQ(ParseNumber("-"), 0.0);
    for (const char* bad : {"", "1,5,2", " 1", "1 ", "+1", "1e3", "x", "1\t"}) {
        EXPECT_EQ(ParseNumber(bad), kNoValue) << '"' << bad << '"';
    }
}

// 10.00, 10.59 and -61.37 are pinned by the measurement file's lines.
TEST(FormatNumbers, FourSignificantFrequencyDigitsAndHalvesAwayFromZero) {
    EXPECT_EQ(FormatFrequency(NominalBandFreq(42), true), "112.2");
    EXPECT_EQ(FormatFrequency(NominalBandFreq(134), true), "22387");
    EXPECT_EQ(FormatFrequency(9.71628, true), "9.716");
    EXPECT_EQ(FormatFrequency(NominalBandFreq(1), false), "10,59");
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } rows[] = {{0.125, "0.00", "0.13"},  {-0.125, "0.00", "-0.13"},
                {2.5, "0", "3"},          {kNoValue, "0.00", "-999.99"},
                {-0.004, "0.00", "0.00"}, {-0.0, "0.0", "0.0"},
                {-0.4, "0", "0"},         {-0.005, "0.00", "-0.01"}};
    for (const auto& row : rows)
        EXPECT_EQ(FormatValue(row.value, row.pattern), row.text) << row.value;
    EXPECT_EQ(FormatRoundTrip(-0.0), "0");
    EXPECT_EQ(FormatRoundTrip(-0.0f), "0");
    EXPECT_EQ(FormatRoundTrip(-2.5f), "-2.5");
}

TEST(SplitFields, EmptyFieldsSurviveAndShortLinesStayWhole) {
    EXPECT_EQ(SplitFields("a\t\tb", '\t'), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitFields("ab\t", '\t'), (std::vector<std::string>{"ab", ""}));
    EXPECT_EQ(SplitFields("\t", '\t'), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitFields("", '\t'), (std::vector<std::string>{""}));
}

} // namespace
} // namespace terzlab
