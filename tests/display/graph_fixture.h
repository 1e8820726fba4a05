#pragma once
#include "display/frame.h"
#include "support/recording_picture.h"
#include <algorithm>

namespace terzlab::graphtest {

// A 700 x 300 pixel graph on a window measured in twips, as the main window places it.
struct Graph {
    RecordingPicture graph{700, 300};
    RecordingPicture window{12000, 7000, 20.0};
    FrameInputs frame;

    Graph() {
        frame.Graph = {600, 400, 700 * kTwipsPerPixel + 60, 300 * kTwipsPerPixel + 60};
        frame.Range = {0, -100, 20};
        frame.DecimalSeparator = ",";
    }
    std::vector<RecordedSegment> Lines(DrawStyle style) const {
        std::vector<RecordedSegment> out;
        for (const auto& s : graph.Segments)
            if (s.style == style) out.push_back(s);
        return out;
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> out;
        for (const auto& t : window.Texts)
            out.push_back(t.text);
        return out;
    }
};

// A segment's ends as x1, y1, x2, y2.
inline std::vector<int32_t> Ends(const RecordedSegment& s) {
    return {s.x1, s.y1, s.x2, s.y2};
}

} // namespace terzlab::graphtest
