// How the sound players find and play files.
#include "audio/sound_file.h"
#include "audio_test_util.h"

#include <fstream>
#include <gtest/gtest.h>

namespace terzlab::audio {
namespace {

using testing::TempFolder;

void writeClick(const std::filesystem::path& path) {
    std::vector<int16_t> click(2 * 441, 0);
    click[0] = click[1] = 16384;
    test::writeWav(path.string(), click);
}

TEST(PlayPath, FindsNamesAsTheSystemPlayerDoes) {
    TempFolder folder;
    writeClick(folder.path() / "Stop.wav");
    const std::string dir = folder.path().string();
    EXPECT_EQ(resolvePlayPath(dir, "Stop.wav "), folder.file("Stop.wav"));
    EXPECT_EQ(resolvePlayPath(dir, "Stop.wav"), folder.file("Stop.wav"));
    EXPECT_EQ(resolvePlayPath("/nowhere", folder.file("Stop.wav")), folder.file("Stop.wav"));
    EXPECT_EQ(resolvePlayPath("/nowhere", dir + "\\Stop.wav  "), folder.file("Stop.wav"));
    EXPECT_FALSE(resolvePlayPath(dir, "pseudo.wav"));
    EXPECT_FALSE(resolvePlayPath(dir, "   "));
    EXPECT_FALSE(resolvePlayPath("/", dir)); // a folder is no file
}

TEST(SoundFile, ReadsAWavWhole) {
    TempFolder folder;
    writeClick(folder.path() / "c.wav");
    const auto sound = readSoundFile(folder.file("c.wav"));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 44100);
    EXPECT_EQ(sound->frames(), 441u);
    EXPECT_EQ(sound->samples[0], 16384);
    EXPECT_EQ(sound->samples[2], 0);

    std::ofstream(folder.path() / "bad.wav") << "RIFF but not really";
    EXPECT_FALSE(readSoundFile(folder.file("bad.wav")));
    EXPECT_FALSE(readSoundFile(folder.file("none.wav")));
}

TEST(VirtualPlayer, PlaysByBareNameFromTheProgramFolderAndStopsSilentlyOnAMissingFile) {
    TempFolder folder;
    writeClick(folder.path() / "pulse.wav");
    writeClick(folder.path() / "Stop.wav");
    auto card = openVirtualCard();
    card->player->setProgramFolder(folder.path().string());
    card->player->playLooped("pulse.wav");
    EXPECT_EQ(card->bench->playingFile(), "pulse.wav");
    card->player->playLooped("multi.wav");
    EXPECT_EQ(card->bench->playingFile(), "");
    card->player->playLooped(folder.file("pulse.wav"));
    EXPECT_EQ(card->bench->playingFile(), folder.file("pulse.wav"));
    card->player->playOnce("Stop.wav ");
    EXPECT_EQ(card->bench->playingFile(), "");
    EXPECT_EQ(card->bench->playLog(),
              (std::vector<std::string>{"pulse.wav", "multi.wav", folder.file("pulse.wav"),
                                        "Stop.wav "}));
}

} // namespace
} // namespace terzlab::audio
