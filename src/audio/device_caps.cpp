#include "audio/device_caps.h"

#include <optional>

namespace terzlab::audio {

namespace {

// Code points of Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char toCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at `pos`; an invalid byte is consumed alone and yields nullopt.
std::optional<char32_t> nextCodePoint(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) return lead;
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0 || lead > 0xF4) return std::nullopt;
    char32_t cp = lead & (0x3F >> more);
    for (; more > 0; --more) {
        if (pos >= s.size()) return std::nullopt;
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
        ++pos;
    }
    return cp;
}

} // namespace

std::array<char, 32> ansiNameField(std::string_view utf8Name) {
    std::array<char, 32> field{};
    size_t pos = 0;
    for (size_t out = 0; out < field.size() - 1 && pos < utf8Name.size(); ++out) {
        const auto cp = nextCodePoint(utf8Name, pos);
        field[out] = cp ? toCp1252(*cp) : '?';
    }
    return field;
}

DeviceCaps makeCaps(std::string_view utf8Name, uint32_t formats, uint16_t channels) {
    DeviceCaps caps;
    caps.name = ansiNameField(utf8Name);
    caps.formats = formats;
    caps.channels = channels;
    return caps;
}

bool isPcm16(const WaveFormat& f) {
    return f.formatTag == 1 && f.bitsPerSample == 16 && (f.channels == 1 || f.channels == 2) &&
           f.samplesPerSec > 0 && f.blockAlign == f.channels * 2;
}

} // namespace terzlab::audio
