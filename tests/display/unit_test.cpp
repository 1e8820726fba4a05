#include "display/cursor.h"
#include "graph_fixture.h"

#include <gtest/gtest.h>

namespace terzlab {
namespace {

using graphtest::Graph;

// The axis labels and the cursor readout name the same unit for every type and run part,
// also before the first run (part 0) and in each part of the one-channel impedance.
TEST(Units, AxisAndCursorAgreeForEveryTypeAndPart) {
    struct Case {
        int16_t type;
        int16_t part;
        const char* unit;
    };
    const Case cases[] = {{0, 0, "dB"}, {1, 0, "dB"},  {3, 0, "Ohm"},
                          {3, 1, "dB"}, {3, 2, "Ohm"}, {4, 0, "Ohm"}};
    for (const Case& c : cases) {
        Graph g;
        g.frame.MeasTypeIndex = c.type;
        g.frame.ImpedancePart = c.part;
        DisplayInit(g.graph, g.window, g.frame, true);
        const std::string unit = std::string(" ") + c.unit + " ";
        EXPECT_NE(g.Labels().back().find(unit), std::string::npos) << c.type << "/" << c.part;
        CursorInputs in;
        in.Width = 700;
        in.Height = 300;
        in.MeasValid = true;
        in.MeasTypeIndex = c.type;
        in.ImpedancePart = c.part;
        const CursorUpdate u = CursorReadout(10, 10, true, in);
        EXPECT_NE(u.Caption.value_or("").find(unit + "/ "), std::string::npos)
            << c.type << "/" << c.part;
    }
}

} // namespace
} // namespace terzlab
