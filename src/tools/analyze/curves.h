#pragma once
// The sensor and reference files of a batch run, loaded into the curve store the way the file
// dialog loads a file the user picked from its list.
#include "files/disp_oct.h"
#include "text/message_service.h"
#include <string>

namespace terzlab::analyze {

// Loads the file into the slot (sensor or reference). A file the dialog would not offer for
// the measurement type, or one that fails to load, is reported and gives false.
bool LoadCurveFile(DispOct& store, int slot, const std::string& path, int16_t lastBand,
                   MessageService& messages);

} // namespace terzlab::analyze
