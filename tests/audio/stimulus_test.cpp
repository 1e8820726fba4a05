// The stimulus and sound files: which file a run plays, where it is found, reading it, and
// bringing its rate field into line with the capture rate without harming anything else.
#include "audio/play_path.h"
#include "audio/stimulus.h"
#include "audio/virtual/virtual_card.h"
#include "support/temp_folder.h"
#include "support/wav_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace terzlab::audio {
namespace {

using Bytes = std::string;
using test::readFile;

// A canonical stereo PCM file of 100 frames; another sample size is named in its header only,
// extraChunk puts a LIST chunk before "fmt ".
Bytes wavImage(char bits, int rate, bool extraChunk = false) {
    std::vector<int16_t> samples(200);
    std::iota(samples.begin(), samples.end(), int16_t{-100});
    const test::TempFolder dir;
    test::writeWav(dir / "w.wav", samples, 2, rate);
    Bytes b = readFile(dir / "w.wav");
    b[34] = bits;
    if (extraChunk) {
        b[4] += 12; // the RIFF size
        b.insert(12, Bytes("LIST\4\0\0\0INFO", 12));
    }
    return b;
}

// The test's folder, readable for the unprivileged child below.
struct Folder : test::TempFolder {
    Folder() { ::chmod(path().c_str(), 0755); }
    std::string write(const std::string& name, const Bytes& bytes) const {
        test::writeFile(file(name), bytes);
        return file(name);
    }
    const std::string dir = path().string();
};

// Only type 0 calibrates with a sine; the level options past 1 % stay at 1 %.
TEST(StimulusChoice, PicksTheFileOfTheTypeAndTheRealTimeCheckOverridesAll) {
    const std::pair<StimulusChoice, const char*> cases[] = {
        {{.measType = 0}, "pseudo.wav"},
        {{.measType = 1, .calibrationRun = true, .calibFreqOption = 0}, "pseudo.wav"}, // no sine
        {{.measType = 2}, "pulse.wav"},
        {{.measType = 3}, "multi.wav"},
        {{.calibrationRun = true, .calibFreqOption = 0}, "Sin_0050_100.wav"},
        {{.calibrationRun = true, .calibFreqOption = 0, .calibLevelOption = 1}, "Sin_0050_010.wav"},
        {{.calibrationRun = true, .calibLevelOption = 2}, "Sin_1000_001.wav"},
        {{.calibrationRun = true, .calibLevelOption = 9}, "Sin_1000_001.wav"},
        {{.measType = 3, .timeCheck = true}, "check.wav"},
        {{.measType = 5}, ""},
    };
    for (const auto& [choice, file] : cases)
        EXPECT_EQ(stimulusFileName(choice), file) << choice.measType;
}

// Root ignores permission bits, so the write is tried by an unprivileged child process that
// owns the file: only the missing write permission stands in its way. Exit codes: 0 refused,
// 1 rewritten, 77 privileges could not be dropped (or a private TMPDIR keeps the child out).
int adaptAsOwner(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
        if (::access(path.c_str(), R_OK) != 0) ::_exit(77);
        ::_exit(adaptSampleRate(path, 48000) == RateAdaptResult::NotWritable ? 0 : 1);
    }
    int status = 0;
    const bool ended = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status);
    return ended ? WEXITSTATUS(status) : -1;
}

// The rate field is rewritten in place, byte-exactly and back, and nowhere else. An installed
// file is never written: another rate plays from a copy, made when missing and made again when
// it no longer matches the installed file; a folder it cannot make is reported. A
// write-protected file is reported and left alone.
TEST(StimulusFile, RewritesOnlyTheRateFieldInPlaceOrInACopyAndNeverAProtectedFile) {
    const Folder folder;
    const Bytes original = wavImage(16, 44100);
    const auto at48k = [](Bytes b) { return b.replace(24, 2, "\x80\xBB"); }; // 0x0000BB80
    const std::string path = folder.write("multi.wav", original);
    for (const auto& [rate, result, bytes] :
         {std::tuple{44100u, RateAdaptResult::Unchanged, original},
          {48000u, RateAdaptResult::Rewritten, at48k(original)},
          {48000u, RateAdaptResult::Unchanged, at48k(original)},
          {44100u, RateAdaptResult::Rewritten, original}}) {
        EXPECT_EQ(adaptSampleRate(path, rate), result) << rate;
        EXPECT_EQ(readFile(path), bytes);
        EXPECT_TRUE(isValidStimulusWav(path)); // also when the byte rate no longer matches
    }
    // Never writes into a file of another layout.
    const std::string listPath = folder.write("list.wav", wavImage(16, 44100, true));
    EXPECT_EQ(adaptSampleRate(listPath, 48000), RateAdaptResult::NotWritable);
    EXPECT_EQ(readFile(listPath), wavImage(16, 44100, true));
    EXPECT_EQ(adaptSampleRate(folder.file("missing.wav"), 48000), RateAdaptResult::NotWritable);

    const std::string installed = folder.write("pseudo.wav", original);
    const std::string copies = folder.file("user");
    EXPECT_EQ(adaptedCopy(installed, copies, 44100, test::writeFile).path, installed);
    Bytes updated = original;
    updated.back() ^= '\xFF';
    for (const Bytes& shipped : {original, original, updated}) {
        const bool stale = !std::filesystem::exists(copies) || shipped != original;
        folder.write("pseudo.wav", shipped);
        const AdaptedStimulus other = adaptedCopy(installed, copies, 48000, test::writeFile);
        EXPECT_EQ(other.result, stale ? RateAdaptResult::Rewritten : RateAdaptResult::Unchanged);
        EXPECT_EQ(other.path, copies + "/pseudo.wav");
        EXPECT_EQ(readFile(other.path), at48k(shipped));
        EXPECT_EQ(readFile(installed), shipped);
    }
    const AdaptedStimulus blocked = adaptedCopy(installed, installed, 48000, test::writeFile);
    EXPECT_EQ(std::pair(blocked.result, blocked.path),
              std::pair(RateAdaptResult::NotWritable, installed + "/pseudo.wav"));

    ASSERT_TRUE(::geteuid() != 0 || ::chown(path.c_str(), 65534, 65534) == 0);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const int result = adaptAsOwner(path);
    if (result == 77) GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFile(path), original);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0); // the same owner may write once it is lifted
    EXPECT_EQ(adaptAsOwner(path), 1);
}

// The files are found as the system's player finds them; a stimulus is accepted only as
// canonical 16-bit PCM, whose rate field is at byte 24.
TEST(SoundFile, IsFoundAcceptedReadWholeAndPlayed) {
    const Folder folder;
    const Bytes image = wavImage(16, 44100);
    EXPECT_EQ(joinProgramPath("/", "pseudo.wav"), "/pseudo.wav");
    EXPECT_EQ(joinProgramPath("/opt/terzlab", "multi.wav"), "/opt/terzlab/multi.wav");
    EXPECT_EQ(joinProgramPath("/opt/terzlab/", "multi.wav"), "/opt/terzlab/multi.wav");
    const char text[] = "Dies ist keine WAV-Datei, sondern ein Text mit genug Zeichen.";
    const std::tuple<const char*, Bytes, bool> cases[] = {
        {"good.wav", image, true},
        {"at48k.wav", wavImage(16, 48000), true},
        {"8bit.wav", wavImage(8, 44100), false},
        {"24bit.wav", wavImage(24, 44100), false},
        {"cut.wav", Bytes(image.begin(), image.begin() + 30), false},
        {"text.wav", Bytes(text, text + sizeof text), false},
        {"list.wav", wavImage(16, 44100, true), false}};
    for (const auto& [name, bytes, valid] : cases)
        EXPECT_EQ(isValidStimulusWav(folder.write(name, bytes)), valid) << name;
    const std::string missing = folder.file("missing.wav");
    EXPECT_EQ((std::vector{FileExists(folder.file("cut.wav")), FileExists(folder.dir),
                           FileExists(missing), FileExists(""), isValidStimulusWav(missing)}),
              (std::vector{true, false, false, false, false}));
    const std::string stop = folder.write("Stop.wav", image);
    EXPECT_EQ(resolvePlayPath(folder.dir, "Stop.wav "), stop);
    EXPECT_EQ(resolvePlayPath(folder.dir, "Stop.wav"), stop);
    EXPECT_EQ(resolvePlayPath("/nowhere", stop), stop);
    EXPECT_EQ(resolvePlayPath("/nowhere", folder.dir + "\\Stop.wav  "), stop);
    EXPECT_FALSE(resolvePlayPath(folder.dir, "pseudo.wav") || resolvePlayPath(folder.dir, "   ") ||
                 resolvePlayPath("/", folder.dir)); // missing, blank, a folder

    const auto sound = readSoundFile(stop);
    ASSERT_TRUE(sound);
    ASSERT_EQ(std::tuple(sound->channels, sound->sampleRate, sound->frames()),
              std::tuple(2, 44100, 100u))
        << "channels, rate, frames";
    EXPECT_EQ(Bytes(reinterpret_cast<const char*>(sound->samples.data()), 400), image.substr(44));
    EXPECT_FALSE(readSoundFile(folder.file("cut.wav")) || readSoundFile(folder.file("none.wav")));

    // The virtual player finds bare names in the program folder and stops on a missing file.
    auto card = openVirtualCard();
    card->player->setProgramFolder(folder.dir);
    std::string playing;
    for (const std::string& name : {std::string("Stop.wav"), std::string("multi.wav"), stop}) {
        card->player->playLooped(name);
        playing += card->bench->playingFile() + "|";
    }
    card->player->playOnce("Stop.wav ");
    EXPECT_EQ(playing + card->bench->playingFile(), "Stop.wav||" + stop + "|");
}

} // namespace
} // namespace terzlab::audio
