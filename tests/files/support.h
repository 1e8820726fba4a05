#pragma once
#include "analysis/bands.h"
#include "files/disp_oct.h"
#include "support/temp_folder.h"
#include <gtest/gtest.h>

namespace terzlab::test {

struct Shown {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
};

class RecordingMessages : public MessageService {
  public:
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override {
        shown.push_back({text, buttons, icon, title});
        return answer;
    }
    // The one message shown so far as "title: text".
    std::string only() const {
        if (shown.size() != 1) return std::to_string(shown.size()) + " messages";
        return shown[0].title + ": " + shown[0].text;
    }
    std::vector<Shown> shown;
    MsgAnswer answer = MsgAnswer::Yes;
};

inline const std::filesystem::path kDataDir = TERZLAB_TEST_DATA;

// Bands on the nominal grid with values first + step * band, the result rows cleared.
inline BandState Bands(int16_t lastBand, double first, double step = 0.0) {
    BandState bands;
    bands.Table.LastBand = lastBand;
    bands.Results = {4, lastBand + 1, std::vector<double>(5 * (lastBand + 1), 0.0)};
    for (int b = 0; b <= lastBand + 1; ++b)
        bands.Table.BandFreq.push_back(NominalBandFreq(b));
    for (int b = 0; b <= lastBand; ++b)
        bands.BandValue.push_back(first + b * step);
    return bands;
}

} // namespace terzlab::test
