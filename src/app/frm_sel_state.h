#pragma once
// What the file dialog keeps between its openings in one program run. The remembered field
// texts live in the settings instead, so that they also survive the end of the program.
#include <QString>

#include <cstdint>

namespace terzlab::app {

// SelMode: what the dialog does.
namespace sel {
inline constexpr int16_t kSave = 0;
inline constexpr int16_t kSensor = 1;
inline constexpr int16_t kReference = 2;
inline constexpr int16_t kComparison = 3;
} // namespace sel

struct SelState {
    int16_t SelMode = sel::kSave;
    int16_t InfoType = 0;
    QString LastFolder;
    bool FirstOpening = true;
};

} // namespace terzlab::app
