#include "storage/app_reset.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

namespace vorlane {

namespace {

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

}  // namespace

bool ResetApplication(Dialogs& dialogs, const std::string& settingsPath, ViewSettings& view) {
    if (!dialogs.AskYesNo("This function will reset the application program to original installation settings.  "
                          "Are you sure you want to continue ?"))
        return false;
    view.columns = ResetSpreadsheetColumns();
    view.widths = DefaultColumnWidths();
    view.shortDescriptions = false;
    const WindowSize main = DefaultWindowSize(WindowKind::Main);
    const WindowSize sheet = DefaultWindowSize(WindowKind::Spreadsheet);
    FileResult written = WriteResetApplicationSizes(settingsPath, main.width, main.height, sheet.width,
                                                    sheet.height, sheet.splitter);
    if (!written.ok) {
        dialogs.Error(written.error);
        return false;
    }
    dialogs.Information("Original application settings have been restored.");
    return true;
}

void DeleteTemporaryPages(const std::string& folder) {
    namespace fs = std::filesystem;
    constexpr std::array<std::string_view, 3> kPages = {"RPHTML.HTM", "GO.HTM", "SHTML.htm"};
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    std::vector<fs::path> doomed;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        for (std::string_view page : kPages)
            if (SameIgnoringAsciiCase(name, page) && it->is_regular_file(ec)) doomed.push_back(it->path());
    }
    for (const fs::path& path : doomed) fs::remove(path, ec);
}

}  // namespace vorlane
