#pragma once
// Rules every file chooser of the program shares, whichever window opens it.

#include <optional>
#include <string>

#include "storage/dialogs.h"

namespace vorlane {

// path with the default extension ("htm" or ".htm") when its file name has no
// point; a point in a folder's name does not count.
std::string WithDefaultExtension(const std::string& path, const std::string& defaultExtension);

// A save chooser that never replaces a file unasked: when the chosen file
// (with its default extension) exists, the person is asked, and "no" shows
// the chooser again. nullopt when the person chose nothing.
std::optional<std::string> ChooseFileToReplace(Dialogs& dialogs, const std::string& title, const std::string& filter,
                                               const std::string& defaultExtension, const std::string& initialDir);

}  // namespace vorlane
