#include "stimuli/sweep_command.h"

#include "files/atomic_write.h"
#include "sound_file/sound_file.h"
#include "sweep/sweep_signal.h"
#include "tools/tool_messages.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

namespace terzlab::stimuli {
namespace {

std::optional<double> number(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return {};
    return value;
}

std::string parse(const std::vector<std::string>& args, sweep::SweepSettings& s, std::string& out) {
    const std::map<std::string, double*> numbers = {
        {"--from", &s.F1}, {"--to", &s.F2}, {"--level", &s.LevelDb}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) return tools::MissingValue(option);
        const std::string& value = args[++i];
        if (option == "--sweep") {
            out = value;
        } else if (option == "--rate" || option == "--samples") {
            const auto v = number(value);
            if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9)
                return tools::InvalidValue(option, value,
                                           option == "--rate" ? "8000..384000" : "32768..2097152");
            (option == "--rate" ? s.SampleRate : s.Samples) = static_cast<int32_t>(*v);
        } else if (const auto found = numbers.find(option); found != numbers.end()) {
            const auto v = number(value);
            if (!v)
                return tools::InvalidValue(option, value, option == "--level" ? "-60..0" : "Hz");
            *found->second = *v;
        } else {
            return tools::UnknownOption(option);
        }
    }
    if (out.empty()) return tools::MissingValue("--sweep");
    return sweep::SweepRefusal(s);
}

} // namespace

int RunSweepCommand(const std::vector<std::string>& args) {
    sweep::SweepSettings settings;
    std::string path;
    if (const std::string error = parse(args, settings, path); !error.empty()) {
        std::fprintf(stderr, "terzlab-make-stimuli: %s\n",
                     tools::WithUsage(error, kSweepUsage).c_str());
        return 2;
    }
    const std::vector<double> x = sweep::MakeSweep(settings);
    std::vector<int16_t> samples(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        samples[i] = static_cast<int16_t>(std::lround(x[i] * 32767.0));
    std::vector<int16_t> stereo;
    stereo.reserve(2 * samples.size());
    for (const int16_t s : samples)
        stereo.insert(stereo.end(), {s, s});
    const std::string image = sound_file::wavImage(
        {.samples = std::move(stereo), .channels = 2, .sampleRate = settings.SampleRate});
    if (const WriteResult written = ReplaceFile(path, image); !written) {
        std::fprintf(stderr, "terzlab-make-stimuli: %s\n",
                     NotWrittenText(path, written.Reason).c_str());
        return 2;
    }
    return 0;
}

} // namespace terzlab::stimuli
