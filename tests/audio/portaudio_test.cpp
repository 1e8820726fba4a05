// The PortAudio card's pieces: device names as the lists show them, the capture's wait, and the
// card on whatever this machine has, which in a test run is usually nothing.
#include "audio/device_caps.h"
#include "audio/sound_card.h"
#include "audio/wait_word.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>

namespace terzlab::audio {
namespace {

using namespace std::chrono_literals;

// Device names as PortAudio's ALSA host lists them on desktops (PipeWire and PulseAudio, with
// onboard sound and USB interfaces), inputs and outputs, composed after its naming
// ("card: device (hw:c,d)"), and the 31 characters the lists show (Windows-1252; \x85 is the
// ellipsis).
TEST(DeviceNames, DesktopListsKeepTheCardAndTellEveryDeviceApart) {
    const std::pair<const char*, const char*> devices[] = {
        {"HDA Intel PCH: ALC897 Analog (hw:0,0)", "HDA Intel PCH: ALC897\x85 (hw:0,0)"},
        {"HDA Intel PCH: ALC897 Alt Analog (hw:0,2)", "HDA Intel PCH: ALC897\x85 (hw:0,2)"},
        {"Scarlett 2i2 USB: USB Audio (hw:2,0)", "Scarlett 2i2 USB: USB\x85 (hw:2,0)"},
        {"Logitech USB Headset H340: USB Audio (hw:3,0)", "Logitech USB Headset\x85 (hw:3,0)"},
        {"pulse", "pulse"},
        {"Ein sehr langer Gerätename ohne ALSA-Zusatz", "Ein sehr langer Ger\xE4tename ohne"},
        {"Größe \xE2\x82\xAC \xE6\x97\xA5 \xFF", "Gr\xF6\xDF"
                                                 "e \x80 ? ?"}, // no 1252 sign: ?
    };
    std::set<std::string> shown;
    for (const auto& [reported, expected] : devices) {
        const std::string name = ansiNameField(reported).data();
        EXPECT_EQ(name, expected) << reported;
        EXPECT_TRUE(shown.insert(name).second) << "shown twice: " << name;
    }
}

TEST(WaitWord, WakesAsSoonAsTheWordChangesAndGivesUpAtItsLimitWhichNeverOverflows) {
    std::atomic<uint32_t> word{0};
    const auto t0 = std::chrono::steady_clock::now();
    waitWhileEqual(word, 0, 2ms);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, 2ms);
    std::thread setter([&] {
        word.store(1, std::memory_order_release);
        wakeWaiters(word);
    });
    const auto t1 = std::chrono::steady_clock::now();
    while (word.load(std::memory_order_acquire) == 0)
        waitWhileEqual(word, 0, 30s);
    EXPECT_LT(std::chrono::steady_clock::now() - t1, 10s);
    setter.join();

    EXPECT_EQ((std::vector{secondsToDuration(std::nan("")), secondsToDuration(-3.0),
                           secondsToDuration(1e300), secondsToDuration(0.25)}),
              (std::vector<std::chrono::steady_clock::duration>{0s, 0s, 1000000s, 250ms}));
}

TEST(PortAudioCard, EnumeratesWithoutACardAndRefusesWhatIsNotThere) {
    // The sound server's client makes its runtime folders here instead of in /tmp.
    const test::TempFolder runtime;
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    auto card = openPortAudioCard();
    ASSERT_TRUE(card->devices && card->capture && card->player);
    // PortAudio's internal checks stay off the terminal; every other line reaches it.
    testing::internal::CaptureStderr();
    std::fprintf(stderr, "Expression 'r' failed in 'src/hostapi/alsa/pa_linux_alsa.c', line: 1\n"
                         "Eigene Zeile\nExpression 'x' failed in 'src/os/unix/pa_unix_util.c'\n");
    std::fprintf(stderr, "Expression %s\n", "ohne Ort");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Eigene Zeile\nExpression ohne Ort\n");
    const int inputs = card->devices->inputCount();
    for (int i = 0; i < inputs; ++i)
        EXPECT_EQ(card->devices->inputCaps(i).name.back(), '\0');
    for (int i = 0; i < card->devices->outputCount(); ++i)
        EXPECT_EQ(card->devices->outputCaps(i).name.back(), '\0');
    EXPECT_EQ(card->devices->inputCaps(inputs).formats, 0u);

    EXPECT_NE(card->capture->open(inputs, WaveFormat{}), 0);
    EXPECT_FALSE(card->capture->isOpen());
    WaveHeader header;
    EXPECT_EQ(card->capture->waitDone(header, 0.01), WaitResult::DeviceGone);
    card->capture->reset();
    card->capture->close();
    card->player->playLooped("/nonexistent/Stop.wav ");
    card->player->playOnce("/nonexistent/Stop.wav ");
    card->player->stop();
}

} // namespace
} // namespace terzlab::audio
