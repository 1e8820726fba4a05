#include "ts/ts_run.h"
#include "analysis/box_design.h"
#include "analysis/constants.h"
#include "analysis/thiele_small.h"
#include "files/export_writer.h"
#include "files/impedance_file.h"
#include "files/numbers.h"
#include "files/ts_table.h"
#include "tools/tool_messages.h"
#include "ts/ts_options.h"
#include <algorithm>
#include <cmath>
#include <complex>
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

// The fit's doubts go to stderr; the figures stand.
std::string FitFile(const std::string& path, const TsOptions& o, ThieleSmallFit& fit,
                    std::ostream& err) {
    ImpedanceCurve curve;
    if (std::string error = ReadFile(path, curve, err); !error.empty()) return error;
    fit = FitThieleSmall(curve, o.Re, o.Coil);
    for (const std::string& warning : fit.Warnings)
        err << "terzlab-ts: " << path << ": " << OneLine(warning) << '\n';
    return fit.Error.empty() ? std::string() : path + ": " + fit.Error;
}

// The predicted response from a tenth of fs to 1 kHz at 1/12 octave, relative dB and the model's
// phase, as FRD.
bool WriteResponse(const TsOptions& o, const DriverModel& driver, double vasLitres,
                   std::string& error) {
    ExportSource source;
    source.Title =
        "terzlab-ts: " + std::string(o.Box->Kind == BoxKind::Closed ? "closed" : "vented") +
        " box " + FormatValue(o.Box->VbLitres, "0.0") + " l";
    source.PhaseMeasured = true;
    source.Date = "-";
    for (double f = driver.Fs / 10.0; f <= 1000.0 * (1.0 + 1e-9); f *= std::exp2(1.0 / 12.0)) {
        const std::complex<double> h = BoxResponse(driver, vasLitres, *o.Box, f);
        source.Rows.push_back({f, 20.0 * std::log10(std::abs(h)), std::arg(h) * 180.0 / kPi});
    }
    return WriteExport(o.ResponsePath, ExportFormat::Frd, source, error);
}

// The box's figures and the alignments; an alignment the driver does not suit says why on stderr.
std::string AddBoxRows(const TsOptions& o, const DriverModel& driver, double vasLitres,
                       std::vector<TsRow>& rows, std::ostream& err) {
    if (o.Box) {
        const std::vector<TsRow> box = BoxRows(*o.Box, FiguresOf(driver, vasLitres, *o.Box));
        rows.insert(rows.end(), box.begin(), box.end());
        std::string error;
        if (!o.ResponsePath.empty() && !WriteResponse(o, driver, vasLitres, error)) return error;
    }
    if (o.Align) {
        const Alignments a = AlignmentsFor(driver, vasLitres);
        for (const std::string& reason : {a.ClosedError, a.VentedError})
            if (!reason.empty()) err << "terzlab-ts: " << reason << '\n';
        const std::vector<TsRow> aligned = AlignmentRows(a);
        rows.insert(rows.end(), aligned.begin(), aligned.end());
    }
    return {};
}

} // namespace

int RunTs(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const ParsedTsOptions parsed = ParseTsOptions(args);
    if (!parsed.Options) return Fail(err, tools::WithUsage(parsed.Error, kTsUsage));
    const TsOptions& o = *parsed.Options;
    ThieleSmallFit free;
    if (std::string error = FitFile(o.Path, o, free, err); !error.empty()) return Fail(err, error);
    MovingMass mass;
    std::vector<LoadedResonance> resonances;
    for (const LoadedMeasurement& l : o.Loaded) {
        ThieleSmallFit loaded;
        if (std::string error = FitFile(l.Path, o, loaded, err); !error.empty())
            return Fail(err, error);
        resonances.push_back({loaded.Model.Fs, l.AddedGrams});
    }
    if (!resonances.empty()) {
        mass = AddedMassLine(free.Model, resonances);
        if (!mass.Error.empty()) return Fail(err, mass.Error);
    }
    std::vector<TsRow> rows = ThieleSmallRows(free, resonances.empty() ? nullptr : &mass, o.SdCm2);
    if (o.Box || o.Align) {
        const double vas = VasLitres(mass.CmsMmPerN, *o.SdCm2);
        if (std::string error = AddBoxRows(o, free.Model, vas, rows, err); !error.empty())
            return Fail(err, error);
    }
    for (const TsRow& row : rows)
        out << row.Key << '=' << row.Value << '\n';
    return kExitOk;
}

} // namespace terzlab::ts
