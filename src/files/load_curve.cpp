#include "files/cp1252.h"
#include "files/curve_values.h"
#include "files/disp_oct.h"
#include "files/numbers.h"
#include "text/translate.h"
#include <algorithm>
#include <cmath>

namespace terzlab {
namespace {

constexpr int kEntries = CorrectionCurve::kEntries;

std::string_view MaskForSlot(int slot) {
    return slot == kSensorSlot ? kSensorMask : kOctMask;
}

bool HeadingsFit(const std::vector<std::string>& fields, int16_t type) {
    if (type == kCurveLevel || type == kCurveSensor) {
        return fields[1] == "Ampl [dB]" && fields[2] == kPhaseHeading;
    }
    if (type == kCurveImpedance) return fields[1] == "Imp [Ohm]" && fields[2] == kPhaseHeading;
    return true;
}

void ClearSlot(StoredCurve& curve) {
    for (int e = 0; e < kEntries; ++e) {
        curve.CurveFreq[e] = static_cast<float>(NominalBandFreq(e));
        curve.CurveAmp[e] = kNoValueSingle;
        curve.CurvePhase[e] = kNoValueSingle;
    }
}

bool ReadResolution(DispOct& store) {
    const auto fields = FindKeyLine(store, "Octave resolution", 0, '\t', true);
    if (!store.Found || fields.size() < 2 || fields[1] != "1/12") return false;
    store.Curves[kReferenceSlot].CurveResolution = 12;
    return true;
}

// Sensor and comparison curves keep the file's lines in file order.
// Returns whether the line gave a frequency and a value.
bool StoreInOrder(StoredCurve& curve, const std::vector<std::string>& fields, int& k,
                  bool& corrupt) {
    if (k >= kEntries) {
        corrupt = true;
        return false;
    }
    std::array<float*, 3> targets = {&curve.CurveFreq[k], &curve.CurveAmp[k], &curve.CurvePhase[k]};
    int read = 0;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const std::string text = TrimBlanks(fields[i]);
        const double value = ParseNumber(text);
        // A band saved without a value is written as the marker; that is no corrupt line.
        if (value == kNoValue && (i == 0 || text != kNoValueText)) {
            corrupt = true;
        } else if (value == kNoValue) {
            *targets[i] = kNoValueSingle;
        } else {
            *targets[i] = ToSingle(value);
            if (i < 2) ++read;
        }
    }
    ++k;
    return read == 2;
}

// The reference curve is put onto the nominal band grid so that it can be subtracted band by
// band; lines that fit no band are not the file's fault and pass silently.
// Returns whether the line gave a frequency and a value, on the grid or not.
bool StoreOnGrid(StoredCurve& curve, const std::vector<std::string>& fields, int16_t lastBand,
                 bool& corrupt) {
    const double f = ParseNumber(fields[0]);
    if (f == kNoValue || !(f > 0.0)) return false;
    for (int j = 0; j <= lastBand; ++j) {
        if (std::fabs(1.0 - curve.CurveFreq[j] / f) < 0.01) {
            curve.CurveFreq[j] = ToSingle(f);
            const double amp = ParseNumber(fields[1]);
            const double phase = ParseNumber(fields[2]);
            if (amp == kNoValue || phase == kNoValue) corrupt = true;
            if (amp != kNoValue) curve.CurveAmp[j] = ToSingle(amp);
            if (phase != kNoValue) curve.CurvePhase[j] = ToSingle(phase);
            return amp != kNoValue;
        }
    }
    return ParseNumber(fields[1]) != kNoValue;
}

struct DataLines {
    bool Corrupt = false;  // a line was corrupt, or the file had to be cut
    bool AnyValue = false; // a line gave a frequency and a value
};

DataLines ReadDataLines(DispOct& store, int slot, int16_t lastBand) {
    auto& curve = store.Curves[slot];
    int k = 0;
    bool corrupt = false;
    bool anyValue = false;
    std::string line;
    while (store.File.readLine(line)) {
        if (!line.empty() && line[0] == '#') continue;
        const auto fields = SplitFields(line, '\t');
        if (fields.size() < 3) {
            corrupt = true;
        } else if (slot == kReferenceSlot) {
            anyValue = StoreOnGrid(curve, fields, lastBand, corrupt) || anyValue;
        } else {
            anyValue = StoreInOrder(curve, fields, k, corrupt) || anyValue;
        }
    }
    curve.CurveCount = static_cast<int16_t>(slot == kReferenceSlot ? lastBand : k);
    return {.Corrupt = corrupt || store.File.wasCut(), .AnyValue = anyValue};
}

void ReadTitleAndType(DispOct& store, int slot) {
    auto& curve = store.Curves[slot];
    curve.CurveTitle = Cp1252ToUtf8(GetKeyValue(store, "Title", 0, 1, '\t', true));
    curve.CurveType = ReadResultType(store, MaskForSlot(slot));
    curve.CurveLoaded = 1;
}

void WarnCorruptLines(const StoredCurve& curve, MessageService& messages) {
    messages.show(text::arg(text::translate("DataFiles",
                                            "Einige Frequenzlinien der Datei %1\r\nwaren korrupt "
                                            "und wurden daher nicht berücksichtigt!"),
                            {CurvePath(curve).string()}),
                  MsgButtons::Ok, MsgIcon::Information, text::translate("DataFiles", "Warnung"));
}

void WarnSensitivity(const StoredCurve& curve, MessageService& messages) {
    messages.show(text::arg(text::translate("DataFiles",
                                            "Die Empfindlichkeit in der Datei %1\r\nist nicht "
                                            "größer als 0 und wurde daher nicht berücksichtigt!"),
                            {CurvePath(curve).string()}),
                  MsgButtons::Ok, MsgIcon::Information, text::translate("DataFiles", "Warnung"));
}

// The message for a read error; "%1" stands for the file.
std::string ReadErrorPattern(int code) {
    switch (code) {
    case kReadErrorResolution:
        return text::translate("DataFiles", "Beim Einlesen der Datei %1 trat ein Fehler auf "
                                            "(Oktav-Auflösung nicht 1/3, 1/6 oder 1/12)! ");
    case kReadErrorStartLine:
        return text::translate("DataFiles",
                               "Beim Einlesen der Datei %1 trat ein Fehler auf (falsche Startzeile "
                               "für das Einlesen der Frequenzwerte)! ");
    case kReadErrorNoData:
        return text::translate("DataFiles", "Beim Einlesen der Datei %1 trat ein Fehler auf "
                                            "(keine Zeile mit Frequenz und Wert)! ");
    case kReadErrorSensorTable:
        return text::translate("DataFiles",
                               "Beim Einlesen der Datei %1 trat ein Fehler auf (mindestens zwei "
                               "Frequenzen über 0 Hz in aufsteigender Folge nötig)! ");
    default:
        return text::translate("DataFiles", "Beim Einlesen der Datei %1 trat ein Fehler auf "
                                            "(Datei fehlt oder ist nicht lesbar)! ");
    }
}

} // namespace

void ShowReadError(DispOct& store, int slot, int code, MessageService& messages) {
    auto& curve = store.Curves[slot];
    messages.show(text::arg(ReadErrorPattern(code), {CurvePath(curve).string()}), MsgButtons::Ok,
                  MsgIcon::Exclamation, text::translate("DataFiles", "Fehler beim Einlesen"));
    curve = StoredCurve{}; // nothing of the failed file stays: not its title, not its name
    ClearSlot(curve);
    if (slot == kSensorSlot) store.SensorOffset = 0.0;
    store.File.close();
}

bool LoadProbedFile(DispOct& store, int slot, const std::filesystem::path& path,
                    const FileProbe& probe, int16_t lastBand, MessageService& messages) {
    if (slot < kSensorSlot || slot > kComparisonSlot) return false;
    StoredCurve& curve = store.Curves[slot];
    curve.CurveLoaded = 1;
    curve.CurveType = probe.Type;
    curve.CurveTitle = probe.Title;
    curve.CurveDir = path.has_parent_path() ? path.parent_path().string() : ".";
    curve.CurveFile = path.filename().string();
    return LoadCurve(store, slot, lastBand, messages);
}

bool LoadCurve(DispOct& store, int slot, int16_t lastBand, MessageService& messages) {
    if (slot < kSensorSlot || slot > kComparisonSlot) return false;
    lastBand = std::clamp<int16_t>(lastBand, 0, kEntries - 1);
    auto& curve = store.Curves[slot];
    if (!store.File.open(CurvePath(curve))) {
        ShowReadError(store, slot, kReadErrorOpen, messages);
        return false;
    }
    const bool badSensitivity = slot == kSensorSlot && !ReadSensorOffset(store);
    if (curve.CurveLoaded == 0) ReadTitleAndType(store, slot);
    if (slot == kReferenceSlot && !ReadResolution(store)) {
        ShowReadError(store, slot, kReadErrorResolution, messages);
        return false;
    }
    const auto headings = FindKeyLine(store, "F [Hz]", 0, '\t', true);
    if (!store.Found || headings.size() < 3 || !HeadingsFit(headings, curve.CurveType)) {
        ShowReadError(store, slot, kReadErrorStartLine, messages);
        return false;
    }
    ClearSlot(curve);
    const DataLines lines = ReadDataLines(store, slot, lastBand);
    // A file without a single value would take a slot and a legend line and show nothing.
    if (!lines.AnyValue && slot != kSensorSlot) {
        ShowReadError(store, slot, kReadErrorNoData, messages);
        return false;
    }
    // A file that fails gets its error alone; the warnings are for a file that is used.
    if (slot == kSensorSlot && curve.CurveType == kCurveSensor &&
        !ResampleSensorCurve(store, slot, lastBand)) {
        ShowReadError(store, slot, kReadErrorSensorTable, messages);
        return false;
    }
    if (badSensitivity) WarnSensitivity(curve, messages);
    if (lines.Corrupt) WarnCorruptLines(curve, messages);
    store.File.close();
    return true;
}

} // namespace terzlab
