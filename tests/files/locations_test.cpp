#include "files/locations.h"
#include "support.h"

#include <vector>

namespace terzlab {
namespace {

// One layout on disk with the program in bin/; the expected paths are relative to the root.
struct Layout {
    const char* what;
    std::vector<const char*> files;
    bool xdgSet;
    Locations want; // programFolder unused
};

// clang-format off
const Layout kLayouts[] = {
    {"build folder", {"bin/pseudo.wav"}, true, {"", "bin/Terzlab.def", "bin", "", "bin"}},
    {"program copied alone", {"bin/terzlab"}, false, {"", "bin/Terzlab.def", "bin", "", "bin"}},
    {"installed", {"bin/terzlab", "share/terzlab/pseudo.wav"}, false,
     {"", "h/.config/terzlab/Terzlab.def", "share/terzlab", "h/.local/share/terzlab", "h"}},
    {"installed, XDG set", {"bin/terzlab", "share/terzlab/pseudo.wav"}, true,
     {"", "cfg/terzlab/Terzlab.def", "share/terzlab", "data/terzlab", "h"}},
    {"installed, portable settings", {"bin/Terzlab.def", "share/terzlab/pseudo.wav"}, true,
     {"", "bin/Terzlab.def", "share/terzlab", "data/terzlab", "bin"}},
};
// clang-format on

TEST(Locations, EachLayoutKeepsItsFilesWhereItsUserExpectsThem) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.what);
        test::TempFolder dir;
        const auto at = [&](const std::string& relative) {
            return relative.empty() ? relative : (dir.path() / relative).string();
        };
        for (const char* file : layout.files) {
            std::filesystem::create_directories((dir.path() / file).parent_path());
            test::writeFile(dir.path() / file, "x");
        }
        const Locations got = FindLocations(
            at("bin"), {at("h"), layout.xdgSet ? at("cfg") : "", layout.xdgSet ? at("data") : ""});
        const Locations& w = layout.want;
        EXPECT_EQ(
            (std::vector{got.settingsFile, got.stimulusFolder, got.copyFolder, got.documentFolder}),
            (std::vector{at(w.settingsFile), at(w.stimulusFolder), at(w.copyFolder),
                         at(w.documentFolder)}));
    }
}

} // namespace
} // namespace terzlab
