#pragma once
// What the parts of one virtual sound card share: the machine's options, the bench and what the
// player has been asked to play. Everything runs on the caller's thread.
#include "audio/virtual/bench_model.h"
#include "audio/virtual/virtual_card.h"

namespace terzlab::audio {

class VirtualCore final : public VirtualBench {
  public:
    explicit VirtualCore(VirtualCardOptions options);

    void setWiring(const BenchWiring& wiring) override { model_.setWiring(wiring); }
    void setSettings(const BenchSettings& settings) override { model_.setSettings(settings); }
    BenchSettings settings() const override { return model_.settings(); }
    int blocksCaptured() const override { return blocks_; }
    int overflowsReported() const override { return overflows_; }
    int underflowsReported() const override { return underflows_; }
    std::string playingFile() const override { return playing_; }
    std::vector<std::string> playLog() const override { return log_; }

    const VirtualCardOptions& options() const { return options_; }
    BenchModel& model() { return model_; }
    void countBlock() { ++blocks_; }
    void countOverflows(int count) { overflows_ += count; }
    void countUnderflows(int count) { underflows_ += count; }
    // True once the simulated device has been unplugged.
    bool deviceGone() const {
        return options_.goneAfterBlocks && blocks_ >= options_.blocksUntilGone;
    }

    void logPlay(const std::string& name) { log_.push_back(name); }
    void startPlaying(const std::string& name, SoundData sound);
    void stopPlaying();

  private:
    VirtualCardOptions options_;
    BenchModel model_;
    int blocks_ = 0;
    int overflows_ = 0;
    int underflows_ = 0;
    std::string playing_;
    std::vector<std::string> log_;
};

} // namespace terzlab::audio
