#include "analyze/graph_png.h"

namespace terzlab::analyze {

bool GraphPngAvailable() {
    return false;
}

bool RenderGraphPng(const BandState&, const AxisRange&, const GraphPngInputs&, std::string&,
                    std::string& error) {
    error = PicturesMissing("--png");
    return false;
}

} // namespace terzlab::analyze
