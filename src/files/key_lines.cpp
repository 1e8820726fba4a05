#include "files/cp1252.h"
#include "files/disp_oct.h"
#include <algorithm>
#include <cctype>
#include <cmath>

namespace terzlab {
namespace {

bool IsSensorMask(std::string_view fileMask) {
    std::string upper(fileMask);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.ends_with(".SEN");
}

} // namespace

std::vector<std::string> SplitFields(std::string_view line, char separator) {
    if (line.size() < 2) {
        return {line.size() == 1 && line[0] == separator ? std::string() : std::string(line)};
    }
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto next = line.find(separator, start);
        if (next == std::string_view::npos) break;
        fields.emplace_back(line.substr(start, next - start));
        start = next + 1;
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

std::vector<std::string> FindKeyLine(DispOct& store, std::string_view key, int keyField,
                                     char separator, bool rewind) {
    store.Found = false;
    if (rewind) store.File.rewind();
    std::string line;
    while (store.File.readLine(line)) {
        if (!line.empty() && line[0] == '#') continue;
        auto fields = SplitFields(line, separator);
        if (keyField >= 0 && static_cast<std::size_t>(keyField) < fields.size() &&
            fields[keyField] == key) {
            store.Found = true;
            return fields;
        }
    }
    return {};
}

std::string GetKeyValue(DispOct& store, std::string_view key, int keyField, int valueField,
                        char separator, bool rewind) {
    const auto fields = FindKeyLine(store, key, keyField, separator, rewind);
    if (!store.Found || valueField < 0 || static_cast<std::size_t>(valueField) >= fields.size()) {
        return {};
    }
    return fields[valueField];
}

bool IsValidHeader(std::string_view firstLine, std::string_view fileMask) {
    if (IsSensorMask(fileMask)) return firstLine == kSensorHeader;
    return firstLine == kOctHeader || firstLine == kBandexHeader;
}

int16_t ReadResultType(DispOct& store, std::string_view fileMask) {
    if (IsSensorMask(fileMask)) return kCurveSensor;
    const auto type = GetKeyValue(store, "Result type", 0, 1, '\t', true);
    if (!store.Found) return kCurveUnknown;
    if (type == "Autopower Spectrum [dB]") return kCurveLevel;
    if (type == "Impedance Spectrum [Ohm]") return kCurveImpedance;
    return kCurveUnknown;
}

FileProbe ProbeFile(DispOct& store, const std::filesystem::path& path, std::string_view fileMask) {
    FileProbe probe;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size == 0 || !store.File.open(path)) return probe;
    std::string firstLine;
    store.File.readLine(firstLine);
    if (IsValidHeader(firstLine, fileMask)) {
        probe.Type = ReadResultType(store, fileMask);
        const auto title = GetKeyValue(store, "Title", 0, 1, '\t', true);
        if (store.Found) {
            probe.Title = Cp1252ToUtf8(title);
        } else {
            probe.Type = kCurveUnknown;
        }
    }
    store.File.close();
    return probe;
}

std::filesystem::path CurvePath(const StoredCurve& curve) {
    return std::filesystem::path(curve.CurveDir) / curve.CurveFile;
}

double NominalBandFreq(int e) {
    return std::pow(10.0, 1.0 + e / 40.0);
}

} // namespace terzlab
