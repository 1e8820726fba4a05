#include "audio/device_caps.h"

#include <algorithm>
#include <optional>
#include <regex>
#include <string>

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

std::string toAnsi(std::string_view utf8) {
    std::string ansi;
    for (size_t pos = 0; pos < utf8.size();) {
        const auto cp = nextCodePoint(utf8, pos);
        ansi += cp ? toCp1252(*cp) : '?';
    }
    return ansi;
}

constexpr size_t kNameChars = 31;
constexpr char kEllipsis = '\x85'; // Windows-1252

// ALSA hardware devices read "card: device (hw:1,0)", and a desktop's cards have long names:
// cut at the end, every card's name would lose what tells its devices apart. The suffix is
// kept and the card and device names are shortened before it, marked with an ellipsis.
std::string shortened(std::string name) {
    if (name.size() <= kNameChars) return name;
    static const std::regex alsaHardware(R"((.*)( \(hw:\d+,\d+\))$)");
    std::smatch parts;
    if (!std::regex_match(name, parts, alsaHardware)) return name.substr(0, kNameChars);
    const std::string suffix = parts.str(2);
    if (suffix.size() + 2 > kNameChars) return name.substr(0, kNameChars);
    std::string head = parts.str(1).substr(0, kNameChars - suffix.size() - 1);
    while (!head.empty() && (head.back() == ' ' || head.back() == ':'))
        head.pop_back();
    return head + kEllipsis + suffix;
}

} // namespace

std::array<char, 32> ansiNameField(std::string_view utf8Name) {
    std::array<char, 32> field{};
    const std::string name = shortened(toAnsi(utf8Name));
    std::copy_n(name.begin(), std::min(name.size(), kNameChars), field.begin());
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
