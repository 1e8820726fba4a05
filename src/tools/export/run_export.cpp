#include "run_export.h"
#include "files/atomic_write.h"
#include "files/export_writer.h"
#include "files/locations.h"
#include "picture.h"
#include "text/translate.h"
#include "tools/tool_messages.h"
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <vector>

namespace terzlab::exporter {
namespace {

struct Options {
    std::string In;
    std::string Out;
    std::string ComparisonPath;
    std::optional<int16_t> FreqResIndex;
    std::optional<int> Scale;
};

int Fail(std::ostream& err, const std::string& text) {
    err << "terzlab-export: " << text << '\n';
    return kExitError;
}

std::string SetValue(Options& o, const std::string& option, const std::string& value) {
    if (option == "--resolution") {
        if (value != "3" && value != "6" && value != "12") {
            return tools::InvalidValue(option, value, "3, 6, 12");
        }
        o.FreqResIndex = static_cast<int16_t>(value == "3" ? 0 : (value == "6" ? 1 : 2));
    } else if (option == "--scale") {
        if (value != "1" && value != "2") {
            return tools::InvalidValue(option, value, "1, 2");
        }
        o.Scale = value[0] - '0';
    } else {
        o.ComparisonPath = value;
    }
    return {};
}

std::string Parse(std::span<const std::string> args, Options& o) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--resolution" || arg == "--scale" || arg == "--comparison") {
            if (i + 1 >= args.size()) return tools::MissingValue(arg);
            if (std::string error = SetValue(o, arg, args[++i]); !error.empty()) return error;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return tools::UnknownOption(arg);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        return text::translate("ExportTool",
                               "Erwartet werden eine Messdatei und eine Ausgabedatei");
    o.In = files[0];
    o.Out = files[1];
    return {};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// What the options allow for this output; the picture options belong to pictures only.
std::string CheckOutput(const Options& o, bool picture, bool png) {
    if (SamePath(o.In, o.Out) || (!o.ComparisonPath.empty() && SamePath(o.ComparisonPath, o.Out))) {
        return text::arg(
            text::translate("ExportTool",
                            "Die Ausgabedatei %1 würde eine Eingabedatei überschreiben"),
            {o.Out});
    }
    if (!picture && (o.FreqResIndex || o.Scale || !o.ComparisonPath.empty())) {
        return text::translate(
            "ExportTool",
            "--resolution, --scale und --comparison gelten nur für Bilder (.png, .svg)");
    }
    if (o.Scale && !png) return text::translate("ExportTool", "--scale gilt nur für PNG-Bilder");
    if (picture && !PicturesAvailable()) {
        return PicturesMissing();
    }
    return {};
}

// A measurement, or another tool's curve (the kind the output or the measurement suggests
// where the file names none). Corrupt lines are noted on stderr and the file is still used, as
// the program and terzlab-ts do.
bool ReadInput(const std::string& path, CurveKind hint, ExportSource& source, std::ostream& err) {
    std::string error, warning;
    if (!ReadExportSource(path, source, error, hint, &warning)) {
        Fail(err, error);
        return false;
    }
    if (!warning.empty())
        err << "terzlab-export: " << text::translate("DataFiles", "Warnung") << ": " << warning
            << '\n';
    return true;
}

CurveKind Hint(const ExportSource& source) {
    return source.Impedance ? CurveKind::Impedance : CurveKind::Level;
}

int WritePicture(const Options& o, const ExportSource& source, bool svg, std::ostream& err) {
    PictureRequest request;
    request.Svg = svg;
    request.Scale = o.Scale.value_or(1);
    request.FreqResIndex = o.FreqResIndex.value_or(2);
    if (!o.ComparisonPath.empty()) {
        ExportSource comparison;
        if (!ReadInput(o.ComparisonPath, Hint(source), comparison, err)) return kExitError;
        comparison = OnBandGrid(comparison);
        if (comparison.Impedance != source.Impedance) {
            return Fail(
                err,
                text::arg(text::translate(
                              "ExportTool",
                              "Die Vergleichskurve %1 ist eine andere Messart als die Messung"),
                          {o.ComparisonPath}));
        }
        request.Comparison = comparison;
    }
    std::string bytes;
    std::string error;
    if (!RenderPicture(source, request, bytes, error)) return Fail(err, error);
    if (const WriteResult written = ReplaceFile(o.Out, bytes); !written) {
        return Fail(err, NotWrittenText(o.Out, written.Reason));
    }
    return kExitOk;
}

} // namespace

int RunExport(std::span<const std::string> args, std::ostream& err) {
    Options o;
    if (std::string error = Parse(args, o); !error.empty()) {
        return Fail(err, tools::WithUsage(error, kUsage));
    }
    const std::string ext = Lower(std::filesystem::path(o.Out).extension().string());
    const auto format = ExportFormatFor(o.Out);
    const bool picture = ext == ".png" || ext == ".svg";
    if (!format && !picture) {
        return Fail(
            err, text::arg(text::translate("ExportTool", "Unbekannte Endung der Ausgabedatei %1 "
                                                         "(erlaubt: .frd, .zma, .csv, .png, .svg)"),
                           {o.Out}));
    }
    if (std::string error = CheckOutput(o, picture, ext == ".png"); !error.empty()) {
        return Fail(err, error);
    }
    ExportSource source;
    const CurveKind hint = format == ExportFormat::Zma ? CurveKind::Impedance : CurveKind::Level;
    if (!ReadInput(o.In, hint, source, err)) return kExitError;
    if (picture) return WritePicture(o, OnBandGrid(source), ext == ".svg", err);
    std::string error;
    if (!WriteExport(o.Out, *format, source, error)) return Fail(err, error);
    return kExitOk;
}

} // namespace terzlab::exporter
