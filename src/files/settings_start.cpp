#include "files/curve_text.h"
#include "files/numbers.h"
#include "files/settings.h"
#include "text/translate.h"

namespace terzlab {
namespace {

std::string_view MaskForSlot(int slot) {
    return slot == kSensorSlot ? kSensorMask : kOctMask;
}

std::string CalibrationQuestion(int channel, double value, std::string_view separator) {
    const std::string shown = WithSeparator(FormatValue(value, "0.00"), separator);
    const std::string question =
        channel == 0
            ? text::translate("DataFiles",
                              "Gespeicherten Kalibrierwert für linken Kanal von %1 dB "
                              "übernehmen?\n\nEine Übernahme macht nur dann Sinn, wenn sich die "
                              "Stellung\ndes Aufnahmemixers seit der Kalibrierung nicht verändert "
                              "hat!")
            : text::translate("DataFiles",
                              "Gespeicherten Kalibrierwert für rechten Kanal von %1 dB "
                              "übernehmen?\n\nEine Übernahme macht nur dann Sinn, wenn sich die "
                              "Stellung\ndes Aufnahmemixers seit der Kalibrierung nicht verändert "
                              "hat!");
    return text::arg(question, {shown});
}

// The pattern says why the file is skipped; "%1" stands for the file.
void SkipStoredCurve(const std::filesystem::path& path, const std::string& pattern,
                     MessageService& messages) {
    messages.show(text::arg(pattern, {path.string()}), MsgButtons::Ok, MsgIcon::Information,
                  text::translate("DataFiles", "Hinweis"));
}

void LoadStoredCurve(DispOct& store, int slot, const std::filesystem::path& path, int16_t lastBand,
                     MessageService& messages) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        SkipStoredCurve(path,
                        text::translate("DataFiles", "Die gespeicherte Datei %1 wurde nicht "
                                                     "gefunden\nund wird daher nicht geladen."),
                        messages);
        return;
    }
    // Another tool's file was loaded through "Andere Datei ..." and is read the same way again.
    if (slot != kReferenceSlot && IsCurveTextFile(path)) {
        LoadCurveTextFile(store, slot, path, CurveKind::None, lastBand, messages);
        return;
    }
    const auto probe = ProbeFile(store, path, MaskForSlot(slot));
    if (probe.Type == kCurveUnknown) {
        SkipStoredCurve(path,
                        text::translate("DataFiles",
                                        "Die gespeicherte Datei %1 ist keine gültige Datei für "
                                        "diesen Zweck\nund wird daher nicht geladen."),
                        messages);
        return;
    }
    auto& curve = store.Curves[slot];
    curve.CurveLoaded = 1;
    curve.CurveType = probe.Type;
    curve.CurveTitle = probe.Title;
    curve.CurveDir = path.parent_path().string();
    curve.CurveFile = path.filename().string();
    LoadCurve(store, slot, lastBand, messages);
}

} // namespace

void ConfirmStoredCalibration(Settings& settings, MessageService& messages,
                              std::string_view decimalSeparator) {
    for (int channel = 0; channel < 2; ++channel) {
        if (settings.CalibValue[channel] == 0.0) continue;
        const auto answer = messages.show(
            CalibrationQuestion(channel, settings.CalibValue[channel], decimalSeparator),
            MsgButtons::YesNo, MsgIcon::Question, "");
        if (answer == MsgAnswer::No) settings.CalibValue[channel] = 0.0;
    }
}

void LoadStoredCurves(DispOct& store, const Settings& settings, int16_t lastBand,
                      MessageService& messages) {
    for (int slot = kSensorSlot; slot <= kComparisonSlot; ++slot) {
        if (settings.CurveFiles[slot].empty()) continue;
        LoadStoredCurve(store, slot, settings.CurveFiles[slot], lastBand, messages);
    }
}

std::vector<StoredCurve> LoadStoredComparisons(const Settings& settings, int16_t lastBand,
                                               MessageService& messages) {
    std::vector<StoredCurve> curves;
    for (const std::string& file : settings.MoreComparisonFiles) {
        if (file.empty()) continue;
        DispOct scratch;
        LoadStoredCurve(scratch, kComparisonSlot, file, lastBand, messages);
        if (scratch.Curves[kComparisonSlot].CurveLoaded == 1)
            curves.push_back(scratch.Curves[kComparisonSlot]);
    }
    return curves;
}

void RememberCurveFiles(const DispOct& store, Settings& settings) {
    for (int slot = kSensorSlot; slot <= kComparisonSlot; ++slot) {
        const auto& curve = store.Curves[slot];
        const bool remembered = curve.CurveLoaded == 1 && !curve.CurveFile.empty();
        settings.CurveFiles[slot] = remembered ? CurvePath(curve).string() : std::string();
    }
}

} // namespace terzlab
