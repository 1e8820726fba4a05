// Device names as PortAudio's ALSA host lists them on desktops (PipeWire and PulseAudio, with
// onboard sound, HDMI and USB interfaces), as the device lists show them in 31 characters.
#include "audio/device_caps.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace terzlab::audio {
namespace {

struct Listed {
    const char* reported;
    const char* shown; // Windows-1252; \x85 is the ellipsis
};

// Both desktops' lists in one, inputs and outputs; the plugins follow the cards, as PortAudio
// orders them. Composed after PortAudio's naming ("card: device (hw:c,d)").
constexpr Listed kDesktopDevices[] = {
    {"HDA Intel PCH: ALC897 Analog (hw:0,0)", "HDA Intel PCH: ALC897\x85 (hw:0,0)"},
    {"HDA Intel PCH: ALC897 Alt Analog (hw:0,2)", "HDA Intel PCH: ALC897\x85 (hw:0,2)"},
    {"HDA Intel PCH: HDMI 0 (hw:0,3)", "HDA Intel PCH: HDMI 0 (hw:0,3)"},
    {"HDA NVidia: DELL U2719D (hw:1,7)", "HDA NVidia: DELL U271\x85 (hw:1,7)"},
    {"Scarlett 2i2 USB: USB Audio (hw:2,0)", "Scarlett 2i2 USB: USB\x85 (hw:2,0)"},
    {"Logitech USB Headset H340: USB Audio (hw:3,0)", "Logitech USB Headset\x85 (hw:3,0)"},
    {"USB Audio CODEC: USB Audio (hw:4,0)", "USB Audio CODEC: USB\x85 (hw:4,0)"},
    {"sysdefault", "sysdefault"},
    {"front", "front"},
    {"surround40", "surround40"},
    {"pipewire", "pipewire"},
    {"pulse", "pulse"},
    {"dmix", "dmix"},
    {"default", "default"},
    {"Ein sehr langer Gerätename ohne ALSA-Zusatz", "Ein sehr langer Ger\xE4tename ohne"},
};

TEST(DeviceNames, DesktopListsKeepTheCardAndTellEveryDeviceApart) {
    std::set<std::string> shown;
    for (const Listed& device : kDesktopDevices) {
        const std::string name = ansiNameField(device.reported).data();
        EXPECT_EQ(name, device.shown) << device.reported;
        EXPECT_TRUE(shown.insert(name).second) << "shown twice: " << name;
    }
}

} // namespace
} // namespace terzlab::audio
