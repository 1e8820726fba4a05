#include "audio/stimulus.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace terzlab::audio;

namespace {

using Bytes = std::vector<unsigned char>;

// A canonical stereo PCM file of 100 frames; extraChunk puts a LIST chunk before "fmt ".
Bytes wavImage(uint16_t bits, uint32_t rate, bool extraChunk = false) {
    const uint32_t align = bits / 4, dataBytes = 100 * align;
    Bytes b;
    const auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    const auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    tag("RIFF"), put(36 + dataBytes, 4), tag("WAVE");
    if (extraChunk) tag("LIST"), put(4, 4), tag("INFO");
    tag("fmt "), put(16, 4), put(1, 2), put(2, 2), put(rate, 4), put(rate * align, 4);
    put(align, 2), put(bits, 2), tag("data"), put(dataBytes, 4);
    for (uint32_t i = 0; i < dataBytes; ++i)
        b.push_back(static_cast<unsigned char>(i * 37 + 11));
    return b;
}

class StimulusFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ::chmod(folder_.c_str(), 0755); // readable for the unprivileged child below
    }

    std::string write(const std::string& name, const Bytes& bytes) {
        const std::string path = folder_ + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    static Bytes read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes{std::istreambuf_iterator<char>(in), {}};
    }

    terzlab::test::TempFolder temp_;
    std::string folder_ = temp_.path().string();
};

} // namespace

TEST(StimulusChoice, PicksTheFileOfTheTypeAndTheRealTimeCheckOverridesAll) {
    const struct {
        StimulusChoice choice;
        const char* file;
    } cases[] = {
        {{0, false, 1, 0, false}, "pseudo.wav"},
        {{1, false, 1, 0, false}, "pseudo.wav"},
        {{1, true, 0, 0, false}, "pseudo.wav"}, // only type 0 calibrates
        {{2, false, 1, 0, false}, "pulse.wav"},
        {{3, false, 1, 0, false}, "multi.wav"},
        {{0, true, 0, 0, false}, "Sin_0050_100.wav"},
        {{0, true, 0, 1, false}, "Sin_0050_010.wav"},
        {{0, true, 1, 2, false}, "Sin_1000_001.wav"},
        {{0, true, 1, 9, false}, "Sin_1000_001.wav"}, // never the loudest by mistake
        {{3, false, 1, 0, true}, "check.wav"},
        {{5, false, 1, 0, false}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stimulusFileName(c.choice), c.file) << c.choice.measType;
    }
}

TEST_F(StimulusFolder, JoinsWithASingleSeparatorAndOnlyRegularFilesExist) {
    EXPECT_EQ(joinProgramPath("/", "pseudo.wav"), "/pseudo.wav");
    EXPECT_EQ(joinProgramPath("/opt/terzlab", "multi.wav"), "/opt/terzlab/multi.wav");
    EXPECT_EQ(joinProgramPath("/opt/terzlab/", "multi.wav"), "/opt/terzlab/multi.wav");
    const std::string file = write("pseudo.wav", wavImage(16, 44100));
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(fileExists(folder_));
    EXPECT_FALSE(fileExists(folder_ + "/multi.wav"));
    EXPECT_FALSE(fileExists(""));
}

TEST_F(StimulusFolder, AcceptsOnlyCanonical16BitPcm) {
    EXPECT_TRUE(isValidStimulusWav(write("good.wav", wavImage(16, 44100))));
    EXPECT_TRUE(isValidStimulusWav(write("at48k.wav", wavImage(16, 48000))));
    EXPECT_FALSE(isValidStimulusWav(write("8bit.wav", wavImage(8, 44100))));
    EXPECT_FALSE(isValidStimulusWav(write("24bit.wav", wavImage(24, 44100))));
    Bytes cut = wavImage(16, 44100);
    cut.resize(30);
    EXPECT_FALSE(isValidStimulusWav(write("cut.wav", cut)));
    const char text[] = "Dies ist keine WAV-Datei, sondern ein Text mit genug Zeichen.";
    EXPECT_FALSE(isValidStimulusWav(write("text.wav", Bytes(text, text + sizeof text))));
    // Readable WAV, but byte 24 is not its rate field.
    EXPECT_FALSE(isValidStimulusWav(write("list.wav", wavImage(16, 44100, true))));
    EXPECT_FALSE(isValidStimulusWav(folder_ + "/missing.wav"));
}

TEST_F(StimulusFolder, RewritesOnlyTheRateFieldAndBackByteExactlyAndNothingElse) {
    const Bytes original = wavImage(16, 44100);
    const std::string path = write("pseudo.wav", original);
    EXPECT_EQ(adaptSampleRate(path, 44100), RateAdaptResult::Unchanged);
    EXPECT_EQ(adaptSampleRate(path, 48000), RateAdaptResult::Rewritten);
    Bytes expected = original;
    expected[24] = 0x80; // 48000 = 0x0000BB80
    expected[25] = 0xBB;
    EXPECT_EQ(read(path), expected);
    EXPECT_TRUE(isValidStimulusWav(path)); // the byte rate no longer matches: still accepted
    EXPECT_EQ(adaptSampleRate(path, 48000), RateAdaptResult::Unchanged);
    EXPECT_EQ(adaptSampleRate(path, 44100), RateAdaptResult::Rewritten);
    EXPECT_EQ(read(path), original);
    // Never writes into a file of another layout.
    const Bytes list = wavImage(16, 44100, true);
    const std::string listPath = write("list.wav", list);
    EXPECT_EQ(adaptSampleRate(listPath, 48000), RateAdaptResult::NotWritable);
    EXPECT_EQ(read(listPath), list);
    EXPECT_EQ(adaptSampleRate(folder_ + "/missing.wav", 48000), RateAdaptResult::NotWritable);
}

// Root ignores permission bits, so the write is tried by an unprivileged child process that
// owns the file: only the missing write permission stands in its way. Exit codes: 0 refused,
// 1 rewritten, 77 privileges could not be dropped.
static int adaptAsOwner(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(77);
        }
        // A private temporary folder (TMPDIR of mode 0700) keeps the child out altogether.
        if (::access(path.c_str(), R_OK) != 0) ::_exit(77);
        ::_exit(adaptSampleRate(path, 48000) == RateAdaptResult::NotWritable ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

TEST_F(StimulusFolder, WriteProtectedFileIsReportedAndLeftAlone) {
    const Bytes original = wavImage(16, 44100);
    const std::string path = write("multi.wav", original);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const int result = adaptAsOwner(path);
    if (result == 77) {
        GTEST_SKIP() << "cannot drop privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(read(path), original);
    // The same owner may write once the protection is lifted.
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    EXPECT_EQ(adaptAsOwner(path), 1);
}

// An installed file is never written: another rate plays from a copy, made when missing and made
// again when it no longer matches the installed file; a folder it cannot make is reported.
bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << bytes);
}

TEST_F(StimulusFolder, InstalledFileIsAdaptedInACopy) {
    const Bytes original = wavImage(16, 44100);
    const std::string installed = write("pseudo.wav", original), copies = folder_ + "/user";
    EXPECT_EQ(adaptedCopy(installed, copies, 44100, writeFile).path, installed);
    Bytes updated = original;
    updated.back() ^= 0xFF;
    for (const Bytes& shipped : {original, original, updated}) {
        const bool stale = !std::filesystem::exists(copies) || shipped != original;
        write("pseudo.wav", shipped);
        const AdaptedStimulus other = adaptedCopy(installed, copies, 48000, writeFile);
        EXPECT_EQ(other.result, stale ? RateAdaptResult::Rewritten : RateAdaptResult::Unchanged);
        EXPECT_EQ(other.path, copies + "/pseudo.wav");
        Bytes expected = shipped;
        expected[24] = 0x80, expected[25] = 0xBB;
        EXPECT_EQ(read(other.path), expected);
        EXPECT_EQ(read(installed), shipped);
    }
    const AdaptedStimulus blocked = adaptedCopy(installed, installed, 48000, writeFile);
    EXPECT_EQ(blocked.result, RateAdaptResult::NotWritable);
    EXPECT_EQ(blocked.path, installed + "/pseudo.wav");
}
