#include "files/locations.h"
#include "support.h"

#include <cstdlib>
#include <vector>

namespace terzlab {
namespace {

using test::TempDir;

// One layout on disk, the program in bin/; expected paths relative to the temporary root.
struct Layout {
    const char* what;
    std::vector<const char*> files;
    bool xdgSet;
    Locations want; // programFolder unused
};

const Layout kLayouts[] = {
    {"build folder", {"bin/pseudo.wav"}, true, {"", "bin/Terzlab.def", "bin", "", "bin"}},
    {"build folder after its first exit",
     {"bin/pseudo.wav", "bin/Terzlab.def"},
     false,
     {"", "bin/Terzlab.def", "bin", "", "bin"}},
    {"program copied alone: messages name its folder",
     {"bin/terzlab"},
     false,
     {"", "bin/Terzlab.def", "bin", "", "bin"}},
    {"installed",
     {"bin/terzlab", "share/terzlab/pseudo.wav"},
     false,
     {"", "home/.config/terzlab/Terzlab.def", "share/terzlab", "home/.local/share/terzlab",
      "home"}},
    {"installed, XDG folders set",
     {"bin/terzlab", "share/terzlab/pseudo.wav"},
     true,
     {"", "cfg/terzlab/Terzlab.def", "share/terzlab", "data/terzlab", "home"}},
    {"installed with a settings file beside the program",
     {"bin/Terzlab.def", "share/terzlab/pseudo.wav"},
     true,
     {"", "bin/Terzlab.def", "share/terzlab", "data/terzlab", "bin"}},
};

TEST(Locations, EachLayoutKeepsItsFilesWhereItsUserExpectsThem) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.what);
        TempDir dir;
        const auto at = [&](const std::string& relative) {
            return relative.empty() ? relative : (dir.path() / relative).string();
        };
        for (const char* file : layout.files) {
            std::filesystem::create_directories((dir.path() / file).parent_path());
            test::WriteBytes(dir.path() / file, "x");
        }
        const UserFolders user{at("home"), layout.xdgSet ? at("cfg") : "",
                               layout.xdgSet ? at("data") : ""};
        const Locations got = FindLocations(at("bin"), user);
        EXPECT_EQ(got.programFolder, at("bin"));
        EXPECT_EQ(got.settingsFile, at(layout.want.settingsFile));
        EXPECT_EQ(got.stimulusFolder, at(layout.want.stimulusFolder));
        EXPECT_EQ(got.copyFolder, at(layout.want.copyFolder));
        EXPECT_EQ(got.documentFolder, at(layout.want.documentFolder));
    }
}

// The XDG rules: a relative path in the variable is ignored, as if it were not set.
TEST(Locations, RelativeXdgFolderIsIgnored) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string keep = saved != nullptr ? saved : "";
    for (const std::string value : {"/abs/data", "rel/data"}) {
        ::setenv("XDG_DATA_HOME", value.c_str(), 1);
        EXPECT_EQ(UserFoldersFromEnvironment().dataHome, value[0] == '/' ? value : "");
    }
    if (saved != nullptr)
        ::setenv("XDG_DATA_HOME", keep.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace terzlab
