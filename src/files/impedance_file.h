#pragma once
// Reading an impedance curve for the Thiele-Small fit: a measurement file the way the program
// loads an impedance curve to compare against, or another tool's ZMA or CSV at its own points
// (told apart by content). Shared by the dialog and terzlab-ts.
#include "analysis/thiele_small.h"
#include "text/message_service.h"

#include <filesystem>
#include <optional>
#include <string>

namespace terzlab {

struct ImpedanceFileRead {
    bool Ok = false;
    ImpedanceCurve Curve;
    std::string Title;
    // The mass glued to the cone for this measurement, as its info line says ("M+"), if it does.
    std::optional<double> AddedMassGrams;
    // Why a missing file or one of another kind was not read. Empty when the reader refused the
    // file's contents: it has said why through the messages.
    std::string Refusal;
};

ImpedanceFileRead ReadImpedanceFile(const std::filesystem::path& path, MessageService& messages);

} // namespace terzlab
