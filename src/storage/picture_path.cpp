#include "storage/picture_path.h"

#include <filesystem>

namespace vorlane {

std::string ResolvePicturePath(const std::string& name, const std::string& databaseFile) {
    if (name.empty() || databaseFile.empty()) return name;
    const std::filesystem::path picture(name);
    // A drive-letter or backslash-rooted name written on another system is not ours to move either.
    const bool drive = name.size() >= 2 && name[1] == ':';
    if (picture.has_root_path() || drive || name[0] == '\\') return name;
    return (std::filesystem::path(databaseFile).parent_path() / picture).string();
}

}  // namespace vorlane
