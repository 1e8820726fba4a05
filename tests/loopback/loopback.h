#pragma once
// What both loopback suites share: the private server for the whole test program, a program
// folder with the generated stimuli and the PortAudio card playing from it, and the check of
// the band levels from 20 Hz to 20 kHz.
#include "audio/sound_card.h"
#include "sound_server.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace terzlab::test {

class LoopbackTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Expects bands 12..132 (19.95 Hz .. 19953 Hz at 44100 Hz) of what `measure` returns within
    // `limit` of `target`.
    void expectBands(const char* what, const std::function<std::vector<double>()>& measure,
                     double target, double limit);

    static std::unique_ptr<SoundServer> server;
    std::string folder; // with pseudo.wav and Stop.wav
    std::unique_ptr<audio::SoundCard> card;
    double firstBlockSeconds = 0; // of the last measurement

  private:
    static std::string skipReason, startFault;
    static std::unique_ptr<TempFolder> programRoot;
};

} // namespace terzlab::test
