// The run's counters: where a count ends, how an endless run goes on, how a two-part type moves
// to its second part and what count a stopped run leaves for its redraws.
#include "analysis/measurement_run.h"

#include <gtest/gtest.h>

namespace terzlab {
namespace {

struct Counted {
    int blocksUntilDone = 0; // 0: the run never ended by itself
    int16_t avgCountAfter = 0;
};

Counted countBlocks(MeasurementRun& run, int most) {
    for (int n = 1; n <= most; ++n)
        if (run.CountBlock()) return {n, run.AvgCount()};
    return {0, run.AvgCount()};
}

TEST(MeasurementRun, StopModeEndsAfterItsCountEndlessStartsTheMeanOver) {
    MeasurementRun run;
    run.Prepare({.Count = 4, .Stop = StopMode::AfterCount});
    run.Begin();
    const Counted stop = countBlocks(run, 10);
    EXPECT_EQ(stop.blocksUntilDone, 4);
    run.Stop();
    EXPECT_EQ(run.Phase(), RunPhase::Idle);
    EXPECT_EQ(run.AvgCount(), StoppedCount(4)) << "the count redraws form their values with";

    run.Prepare({.Count = 4, .Stop = StopMode::Endless});
    run.Begin();
    const Counted endless = countBlocks(run, 10);
    EXPECT_EQ(endless.blocksUntilDone, 0);
    EXPECT_EQ(endless.avgCountAfter, 2) << "ten blocks: two counts of four, then two";
    EXPECT_EQ(run.BlocksCounted(), 14);
}

TEST(MeasurementRun, TwoPartTypeGoesOnToPartTwoUnlessThePartIsForgotten) {
    const MeasurementConfig impedance{.Type = MeasType::ImpedanceOneChannel, .Count = 1};
    MeasurementRun run;
    run.Prepare(impedance);
    EXPECT_EQ(run.Part(), 1);
    run.Stop();
    EXPECT_EQ(run.Phase(), RunPhase::PartTwoDue);
    run.Prepare(impedance);
    EXPECT_EQ(run.Part(), 2);
    run.Stop();
    EXPECT_EQ(run.Phase(), RunPhase::Idle);

    run.Prepare(impedance); // ESC in part 1: no second part
    run.ForgetPart();
    run.Stop();
    EXPECT_EQ(run.Phase(), RunPhase::Idle);
}

} // namespace
} // namespace terzlab
