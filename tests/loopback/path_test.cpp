// The program's PortAudio capture through the private sound server, block by block as a run
// takes it: what the device layer alone does when the server goes. The levels through this path
// are read by the main window's loopback cases.
#include "loopback.h"

#include <chrono>
#include <filesystem>
#include <iterator>
#include <thread>

namespace terzlab::test {

namespace {

using Clock = std::chrono::steady_clock;

int threadCount() {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                                          std::filesystem::directory_iterator{}));
}

// The run's bound on the wait for one block of 16384 frames.
constexpr double kBlockTimeout = 2.0 + 4.0 * 16384 / 44100.0;

class AudioPathTest : public LoopbackTest {
  protected:
    void SetUp() override {
        LoopbackTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        for (int i = 0; i < card->devices->inputCount() && device < 0; ++i)
            if (std::string(card->devices->inputCaps(i).name.data()) == "pulse") device = i;
        ASSERT_GE(device, 0) << "PortAudio lists no input that leads to the server";
    }

    bool openAndStart() {
        header.data = samples.data();
        header.bufferLength = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
        if (card->capture->open(device, audio::WaveFormat{}) != 0) return false;
        card->capture->prepare(header);
        card->capture->start();
        return true;
    }

    // Queues the one buffer and waits as the run does.
    audio::WaitResult block() {
        card->capture->addBuffer(header);
        return card->capture->waitDone(header, kBlockTimeout);
    }

    int device = -1;
    std::vector<int16_t> samples = std::vector<int16_t>(2 * 16384);
    audio::WaveHeader header;
};

// The server vanishing mid-run is a device that is gone; a fresh open then fails cleanly, and
// once a server is back the same card opens and captures again.
TEST_F(AudioPathTest, ServerGoneMidRunEndsTheWaitAndAFreshOpenRecovers) {
    const int threadsBefore = threadCount();
    ASSERT_TRUE(openAndStart());
    ASSERT_EQ(block(), audio::WaitResult::Done);
    // The server is told to exit while the run waits for a block.
    card->capture->addBuffer(header);
    Clock::time_point killedAt;
    std::thread killer([&] {
        killedAt = Clock::now();
        server->stop();
    });
    audio::WaitResult result = card->capture->waitDone(header, kBlockTimeout);
    for (int more = 0; more < 3 && result == audio::WaitResult::Done; ++more)
        result = block();
    const auto endedAt = Clock::now();
    killer.join();
    const double gone = std::chrono::duration<double>(endedAt - killedAt).count();
    EXPECT_EQ(result, audio::WaitResult::DeviceGone);
    std::printf("server told to exit: the wait ended %.2f s later\n", gone);
    RecordProperty("gone_after_s", std::to_string(gone));
    EXPECT_LT(gone, kBlockTimeout);
    card->capture->reset();
    card->capture->close();
    EXPECT_NE(card->capture->open(device, audio::WaveFormat{}), 0);
    EXPECT_FALSE(card->capture->isOpen());

    ASSERT_EQ(server->start(), "");
    ASSERT_TRUE(openAndStart());
    EXPECT_EQ(block(), audio::WaitResult::Done);
    card->capture->reset();
    card->capture->close();
    EXPECT_EQ(threadCount(), threadsBefore); // no stream left running behind the device
}

} // namespace

} // namespace terzlab::test
