#include "ts/ts_run.h"
#include "analysis/thiele_small.h"
#include "files/disp_oct.h"
#include "files/numbers.h"
#include "ts/ts_options.h"
#include <algorithm>
#include <filesystem>
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

// Reads the file into the comparison slot, the way the program loads an impedance curve to
// compare against, and returns its bands; the error is one line.
std::string ReadImpedanceFile(const std::string& path, ImpedanceCurve& curve, std::ostream& err) {
    DispOct store;
    const FileProbe probe = ProbeFile(store, path, kOctMask);
    if (probe.Type != kCurveImpedance) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return "Die Datei " + path + " fehlt oder ist nicht lesbar";
        return "Die Datei " + path + " ist keine Impedanzmessung (Terzlab-Messdatei mit Titel)";
    }
    ReaderMessages messages(err);
    if (!LoadProbedFile(store, kComparisonSlot, path, probe, CorrectionCurve::kEntries - 1,
                        messages))
        return messages.last();
    curve = ImpedanceCurveOf(store.Curves[kComparisonSlot]);
    return {};
}

std::string FitFile(const std::string& path, const std::optional<double>& re, ThieleSmallFit& fit,
                    std::ostream& err) {
    ImpedanceCurve curve;
    if (std::string error = ReadImpedanceFile(path, curve, err); !error.empty()) return error;
    fit = FitThieleSmall(curve, re);
    return fit.Error.empty() ? std::string() : path + ": " + fit.Error;
}

struct Line {
    const char* Name;
    double Value;
    const char* Pattern;
};

void Print(std::ostream& out, const std::vector<Line>& lines) {
    for (const Line& l : lines)
        out << l.Name << '=' << FormatValue(l.Value, l.Pattern) << '\n';
}

} // namespace

int RunTs(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const ParsedTsOptions parsed = ParseTsOptions(args);
    if (!parsed.Options) return Fail(err, parsed.Error + " - Aufruf: " + std::string(kTsUsage));
    const TsOptions& o = *parsed.Options;
    ThieleSmallFit free, loaded;
    if (std::string error = FitFile(o.Path, o.Re, free, err); !error.empty())
        return Fail(err, error);
    const DriverModel& m = free.Model;
    std::vector<Line> lines = {
        {"fs_Hz", m.Fs, "0.00"},        {"Re_ohm", m.Re, "0.000"},
        {"Zmax_ohm", m.Zmax(), "0.00"}, {"Qms", m.Qms, "0.000"},
        {"Qes", m.Qes, "0.000"},        {"Qts", m.Qts(), "0.000"},
        {"Le_mH", m.Le * 1e3, "0.000"}, {"fit_rms_percent", free.RmsPercent, "0.00"},
    };
    if (o.AddedMass) {
        if (std::string error = FitFile(o.LoadedPath, o.Re, loaded, err); !error.empty())
            return Fail(err, error);
        const MovingMass mass = AddedMassMethod(m, loaded.Model, *o.AddedMass);
        if (!mass.Error.empty()) return Fail(err, mass.Error);
        lines.push_back({"Mms_g", mass.MmsGrams, "0.000"});
        lines.push_back({"Cms_mm_per_N", mass.CmsMmPerN, "0.0000"});
        lines.push_back({"Bl_Tm", mass.BlTm, "0.000"});
        if (o.SdCm2) lines.push_back({"Vas_l", VasLitres(mass.CmsMmPerN, *o.SdCm2), "0.000"});
    }
    Print(out, lines);
    return kExitOk;
}

} // namespace terzlab::ts
