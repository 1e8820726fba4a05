#include "ts/ts_run.h"
#include "analysis/thiele_small.h"
#include "files/impedance_file.h"
#include "files/ts_table.h"
#include "tools/tool_messages.h"
#include "ts/ts_options.h"
#include <algorithm>
#include <vector>

namespace terzlab::ts {
namespace {

int Fail(std::ostream& err, const std::string& text) {
    err << "terzlab-ts: " << text << '\n';
    return kExitError;
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

// The reader's boxes: the refusal it ends with becomes the error, a warning about corrupt lines
// goes to stderr and the file is still used.
class ReaderMessages : public MessageService {
  public:
    explicit ReaderMessages(std::ostream& err) : err_(err) {}
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override {
        last_ = OneLine(text);
        if (icon != MsgIcon::Exclamation) err_ << "terzlab-ts: " << title << ": " << last_ << '\n';
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
    const std::string& last() const { return last_; }

  private:
    std::ostream& err_;
    std::string last_;
};

// A refused file gives one line: the reason, or the reader's last word on it.
std::string ReadFile(const std::string& path, ImpedanceCurve& curve, std::ostream& err) {
    ReaderMessages messages(err);
    ImpedanceFileRead read = ReadImpedanceFile(path, messages);
    if (!read.Ok) return read.Refusal.empty() ? messages.last() : read.Refusal;
    curve = std::move(read.Curve);
    return {};
}

std::string FitFile(const std::string& path, const std::optional<double>& re, ThieleSmallFit& fit,
                    std::ostream& err) {
    ImpedanceCurve curve;
    if (std::string error = ReadFile(path, curve, err); !error.empty()) return error;
    fit = FitThieleSmall(curve, re);
    return fit.Error.empty() ? std::string() : path + ": " + fit.Error;
}

} // namespace

int RunTs(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const ParsedTsOptions parsed = ParseTsOptions(args);
    if (!parsed.Options) return Fail(err, tools::WithUsage(parsed.Error, kTsUsage));
    const TsOptions& o = *parsed.Options;
    ThieleSmallFit free, loaded;
    if (std::string error = FitFile(o.Path, o.Re, free, err); !error.empty())
        return Fail(err, error);
    MovingMass mass;
    if (o.AddedMass) {
        if (std::string error = FitFile(o.LoadedPath, o.Re, loaded, err); !error.empty())
            return Fail(err, error);
        mass = AddedMassMethod(free.Model, loaded.Model, *o.AddedMass);
        if (!mass.Error.empty()) return Fail(err, mass.Error);
    }
    for (const TsRow& row : ThieleSmallRows(free, o.AddedMass ? &mass : nullptr, o.SdCm2))
        out << row.Key << '=' << row.Value << '\n';
    return kExitOk;
}

} // namespace terzlab::ts
