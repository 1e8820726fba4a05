// How the virtual card behaves as a machine: device lists, opening, the block cycle and the
// faults it can be told to show.
#include "audio/device_caps.h"
#include "audio_test_util.h"

#include <chrono>
#include <gtest/gtest.h>

namespace terzlab::audio {
namespace {

using testing::Recorder;

TEST(VirtualCard, ListsTheDevicesItIsGiven) {
    VirtualCardOptions options;
    options.inputNames = {"Mikrofon", "Eingang mit einem sehr langen Namen über 32 Zeichen"};
    options.inputFormats = {0, kFormat44S16};
    options.outputNames = {};
    auto card = openVirtualCard(options);
    ASSERT_EQ(card->devices->inputCount(), 2);
    EXPECT_EQ(card->devices->outputCount(), 0);
    EXPECT_STREQ(card->devices->inputCaps(0).name.data(), "Mikrofon");
    EXPECT_EQ(card->devices->inputCaps(0).formats, 0u);
    const DeviceCaps longName = card->devices->inputCaps(1);
    EXPECT_EQ(longName.formats, kFormat44S16);
    EXPECT_EQ(longName.name[31], '\0');
    EXPECT_EQ(std::string(longName.name.data()), "Eingang mit einem sehr langen N");
    EXPECT_EQ(card->devices->inputCaps(2).name[0], '\0'); // past the end: an empty record
    EXPECT_NE(card->bench, nullptr);
    // Device names are Windows-1252 text.
    EXPECT_EQ(std::string(ansiNameField("Größe \xE2\x82\xAC \xE6\x97\xA5 \xFF").data()),
              "Gr\xF6\xDF"
              "e \x80 ? ?");
}

TEST(VirtualCard, OpenRefusesWhatARealDriverWouldRefuse) {
    VirtualCardOptions options;
    options.inputNames = {"ohne CD-Format", "gut"};
    options.inputFormats = {0, 0xFFFFF};
    auto card = openVirtualCard(options);
    EXPECT_EQ(card->capture->open(2, WaveFormat{}), kOpenNoDevice);
    EXPECT_EQ(card->capture->open(-1, WaveFormat{}), kOpenNoDevice);
    EXPECT_EQ(card->capture->open(0, WaveFormat{}), kOpenBadFormat);
    WaveFormat eightBit;
    eightBit.bitsPerSample = 8;
    EXPECT_EQ(card->capture->open(1, eightBit), kOpenBadFormat);
    EXPECT_FALSE(card->capture->isOpen());
    EXPECT_EQ(card->capture->open(1, WaveFormat{}), 0);
    EXPECT_EQ(card->capture->open(1, WaveFormat{}), kOpenAllocated);
    card->capture->close();
    card->capture->close(); // harmless twice
    EXPECT_FALSE(card->capture->isOpen());

    VirtualCardOptions failing;
    failing.openResult = 7;
    auto broken = openVirtualCard(failing);
    EXPECT_EQ(broken->capture->open(0, WaveFormat{}), 7);
    EXPECT_FALSE(broken->capture->isOpen());
}

TEST(VirtualCard, ABlockIsReadyWhenQueuedOnVirtualTimeAndResetDropsItUnfilled) {
    auto card = openVirtualCard();
    Recorder rec(*card, 1024);
    ASSERT_EQ(card->capture->open(0, WaveFormat{}), 0);
    card->capture->addBuffer(rec.header()); // not started: waits for data
    EXPECT_EQ(card->capture->waitDone(rec.header(), 0.0), WaitResult::TimedOut);
    card->capture->reset();
    card->capture->start();
    EXPECT_EQ(rec.header().flags.load() & kHeaderDone, 0u);
    EXPECT_EQ(card->bench->blocksCaptured(), 0);
    card->capture->addBuffer(rec.header());
    EXPECT_NE(rec.header().flags.load() & kHeaderDone, 0u);
    EXPECT_EQ(card->capture->waitDone(rec.header(), 0.0), WaitResult::Done);
    EXPECT_EQ(card->bench->blocksCaptured(), 1);
}

// A driver that never completes a block and one unplugged mid-run: the window's device-fault
// table takes them through whole runs.

TEST(VirtualCard, RealTimePacesABlockAtItsDuration) {
    VirtualCardOptions options;
    options.timing = Timing::RealTime;
    auto card = openVirtualCard(options);
    Recorder rec(*card, 441); // 10 ms
    ASSERT_EQ(rec.open(), 0);
    const auto t0 = std::chrono::steady_clock::now();
    card->capture->addBuffer(rec.header());
    EXPECT_EQ(rec.header().flags.load() & kHeaderDone, 0u);
    EXPECT_EQ(card->capture->waitDone(rec.header(), 5.0), WaitResult::Done);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(10));
    // A block longer than the time allowed is not waited for.
    Recorder slow(*card, 44100);
    card->capture->addBuffer(slow.header());
    EXPECT_EQ(card->capture->waitDone(slow.header(), 0.005), WaitResult::TimedOut);
}

} // namespace
} // namespace terzlab::audio
