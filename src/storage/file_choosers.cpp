#include "storage/file_choosers.h"

#include <filesystem>

namespace vorlane {

std::string WithDefaultExtension(const std::string& path, const std::string& defaultExtension) {
    if (path.empty() || defaultExtension.empty()) return path;
    const std::string name = std::filesystem::path(path).filename().string();
    if (name.empty() || name.find('.') != std::string::npos) return path;
    return path + (defaultExtension.front() == '.' ? "" : ".") + defaultExtension;
}

std::optional<std::string> ChooseFileToReplace(Dialogs& dialogs, const std::string& title, const std::string& filter,
                                               const std::string& defaultExtension, const std::string& initialDir) {
    for (;;) {
        auto chosen = dialogs.ChooseFileToSave(title, filter, defaultExtension, initialDir);
        if (!chosen || chosen->empty()) return std::nullopt;
        const std::string path = WithDefaultExtension(*chosen, defaultExtension);
        std::error_code ec;
        if (std::filesystem::exists(path, ec) &&
            !dialogs.AskYesNo(path + " already exists.  Do you want to overwrite it ?"))
            continue;
        return path;
    }
}

}  // namespace vorlane
