// The PortAudio card on whatever this machine has, which in a test run is usually nothing.
#include "audio/sound_card.h"
#include "support/temp_folder.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace terzlab::audio {
namespace {

TEST(PortAudioCard, EnumeratesWithoutACardAndRefusesWhatIsNotThere) {
    // The sound server's client makes its runtime folders here instead of in /tmp.
    const test::TempFolder runtime;
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    auto card = openPortAudioCard();
    ASSERT_TRUE(card->devices && card->capture && card->player);
    EXPECT_EQ(card->bench, nullptr);
    const int inputs = card->devices->inputCount();
    const int outputs = card->devices->outputCount();
    EXPECT_GE(inputs, 0);
    EXPECT_GE(outputs, 0);
    for (int i = 0; i < inputs; ++i)
        EXPECT_EQ(card->devices->inputCaps(i).name.back(), '\0');
    for (int i = 0; i < outputs; ++i)
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

// ALSA plugins that PortAudio's probe loads keep a few bytes from their library constructors
// for the life of the process. Full unwinding lets the suppression see where they come from.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:snd_dlopen\n";
}
