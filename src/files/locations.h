#pragma once
// Where the program's own files live. A build folder or a portable copy keeps everything beside
// the program, as it always has. Installed (bin/ beside share/terzlab/, or any program folder the
// user may not write), the stimulus files stay read-only where they were installed, and what the
// program writes goes into the user's folders: the settings under $XDG_CONFIG_HOME/terzlab,
// the stimulus copies adapted to another rate under $XDG_DATA_HOME/terzlab.
#include <string>

namespace terzlab {

// The user's folders as the environment names them; empty: not set (or not an absolute path,
// which the XDG rules say to ignore).
struct UserFolders {
    std::string home;
    std::string configHome;
    std::string dataHome;
};

UserFolders UserFoldersFromEnvironment();

struct Locations {
    std::string programFolder;  // the executable's folder
    std::string settingsFile;   // Terzlab.def, read at start and written at exit
    std::string stimulusFolder; // the stimulus files as built or installed
    std::string copyFolder;     // copies adapted to another rate; empty: adapt in place
    std::string documentFolder; // where the file dialog opens the first time
};

// Everything in one folder, as a build folder or a portable copy keeps it.
Locations PortableLocations(const std::string& folder);

// Decides from what lies on disk: a writable program folder holding a Terzlab.def or the
// stimulus files is portable; otherwise the installed layout with the user's folders.
Locations FindLocations(const std::string& programFolder, const UserFolders& user);

// Whether two paths name the same file (also one that does not exist yet), so that an output
// never lands on an input; compares the texts where the file system cannot tell.
bool SamePath(const std::string& a, const std::string& b);

} // namespace terzlab
