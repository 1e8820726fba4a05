#include "files/settings.h"
#include "fuzz_input.h"
#include <cstdlib>

using namespace terzlab;

// Whatever a settings file holds, what the program writes back must read back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::WriteInput(data, size, "Terzlab.def");
    Settings settings;
    ReadSettings(path, settings);
    const auto text = SettingsFileText(settings);
    const auto again =
        fuzz::WriteInput(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "again.def");
    Settings reread;
    ReadSettings(again, reread);
    if (SettingsFileText(reread) != text) std::abort();
    return 0;
}
