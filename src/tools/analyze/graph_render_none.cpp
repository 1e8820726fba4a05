#include "analyze/graph_render.h"

namespace terzlab::analyze {

bool GraphPicturesAvailable() {
    return false;
}

bool RenderGraphFile(const BandState&, const AxisRange&, const GraphInputs&, std::string&,
                     std::string& error) {
    error = PicturesMissing("--png");
    return false;
}

} // namespace terzlab::analyze
