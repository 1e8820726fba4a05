#include "analyze/graph_png.h"

namespace terzlab::analyze {

bool GraphPngAvailable() {
    return false;
}

bool RenderGraphPng(const BandState&, const AxisRange&, const GraphPngInputs&, std::string&,
                    std::string& error) {
    error = "--png ist nicht verfügbar: terzlab-analyze wurde ohne Qt gebaut";
    return false;
}

} // namespace terzlab::analyze
