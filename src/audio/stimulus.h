#pragma once
// Which stimulus file a run plays, where it lies, and bringing its header's sample rate into
// line with the capture rate. The same samples then play at the capture rate, so the periodic
// signals keep their period in FFT bins at 44100 and 48000 Hz.
#include <cstdint>
#include <functional>
#include <string>

namespace terzlab::audio {

struct StimulusChoice {
    int measType = 0;
    bool calibrationRun = false;
    int calibFreqOption = 1;  // 0 = 50 Hz, otherwise 1000 Hz
    int calibLevelOption = 0; // 0 = 100 %, 1 = 10 %, 2 = 1 %
    bool timeCheck = false;   // the real-time check is ticked
};

// StimulusPath in test-CD mode: nothing is chosen, adapted, played or stopped.
inline constexpr const char* kTestCdPath = "testcd";
// Played by bare name at the end of every run; the player drops the trailing blank.
inline constexpr const char* kStopFileName = "Stop.wav ";

// File name of the stimulus; empty for a measurement type outside 0..4.
std::string stimulusFileName(const StimulusChoice& choice);

// programFolder + "/" + name with a single separator, also for the root folder "/".
std::string joinProgramPath(const std::string& programFolder, const std::string& name);

// True for an existing regular file (not a folder).
bool FileExists(const std::string& path);

// A readable 16-bit PCM WAV with the canonical header layout, so that byte 24 really is its
// rate field and rewriting it cannot damage anything else.
bool isValidStimulusWav(const std::string& path);

enum class RateAdaptResult { Unchanged, Rewritten, NotWritable };

// Reads the 32-bit little-endian rate field at byte 24 and, when it differs, rewrites only
// those four bytes in place. A file that is not a canonical WAV is never written to and gives
// NotWritable, like a write-protected one.
RateAdaptResult adaptSampleRate(const std::string& path, uint32_t sampleRate);

struct AdaptedStimulus {
    RateAdaptResult result = RateAdaptResult::NotWritable;
    std::string path; // the file to play, or the copy that could not be written
};

// For a stimulus file that stays as installed: when its rate differs, the run plays a copy in
// `copyFolder` (created when needed) whose only difference is the rate field. The copy is
// written again whenever it no longer matches, so an updated installation replaces it.
// `write` replaces a file only when the new contents are complete (the caller's atomic writer).
using FileWriter = std::function<bool(const std::string& path, const std::string& bytes)>;
AdaptedStimulus adaptedCopy(const std::string& installed, const std::string& copyFolder,
                            uint32_t sampleRate, const FileWriter& write);

} // namespace terzlab::audio
