#include "audio/device_caps.h"
#include "audio/virtual/virtual_parts.h"

namespace terzlab::audio {

namespace {

// A name without its own format entry takes every format.
DeviceCaps capsOf(const std::vector<std::string>& names, const std::vector<uint32_t>& formats,
                  int index) {
    if (index < 0 || static_cast<size_t>(index) >= names.size()) return {};
    const auto i = static_cast<size_t>(index);
    return makeCaps(names[i], i < formats.size() ? formats[i] : 0xFFFFF, 2);
}

} // namespace

int VirtualDeviceList::inputCount() {
    return static_cast<int>(core_->options().inputNames.size());
}

DeviceCaps VirtualDeviceList::inputCaps(int index) {
    return capsOf(core_->options().inputNames, core_->options().inputFormats, index);
}

int VirtualDeviceList::outputCount() {
    return static_cast<int>(core_->options().outputNames.size());
}

DeviceCaps VirtualDeviceList::outputCaps(int index) {
    return capsOf(core_->options().outputNames, core_->options().outputFormats, index);
}

} // namespace terzlab::audio
