#pragma once
// What both loopback suites share: the private server for the whole test program, the
// program folder with the generated stimuli, and the band levels from 20 Hz to 20 kHz.
#include "audio/sound_card.h"
#include "sound_server.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace terzlab::test {

// Bands 12..132 of the level grid at 44100 Hz: 19.95 Hz .. 19953 Hz.
inline constexpr int kFirstCheckedBand = 12;
inline constexpr int kLastCheckedBand = 132;

class LoopbackTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Index in the card's input list of the ALSA device that leads to the sound server.
    static int serverInput(audio::SoundCard& card);
    // A fresh folder with pseudo.wav and Stop.wav copied from the build's program folder.
    static std::string programFolder();

    static SoundServer* server;
    static std::string skipReason;
    static std::string programRoot;
};

// The largest distance of bands 12..132 from `target`, with the band it occurs at.
struct Deviation {
    double db = 0.0;
    int band = -1;
};
Deviation worstBand(const std::vector<double>& values, double target);

} // namespace terzlab::test
