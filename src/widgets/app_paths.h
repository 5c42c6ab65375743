#pragma once
// Where the windowed program keeps and finds its files.

#include <string>

#include "storage/database_session.h"

namespace vorlane {

struct AppPaths {
    std::string settingsFile;  // Vorlane.ini
    DataFolders data;          // user: per-user data folder; shipped: the program's data
};

// The per-user config and data folders of this desktop, and the shipped data
// beside the executable (../share/vorlane) or, in a build tree, the sources'.
// Needs the QApplication with its name set.
AppPaths DefaultAppPaths();

}  // namespace vorlane
