#pragma once
// Settings-wide commands of the main window: "Reset Application" and the
// clean-up of the pages written for the web browser.

#include <string>

#include "storage/app_settings.h"
#include "storage/dialogs.h"
#include "storage/fields.h"

namespace vorlane {

// What the main window keeps in memory between start-up and exit for the
// spreadsheet and the description display.
struct ViewSettings {
    ColumnList columns = DefaultSpreadsheetColumns();
    ColumnWidths widths = DefaultColumnWidths();
    bool shortDescriptions = kDescStateDefault;
};

// Asks first; on Yes puts view back to the installation state, writes the
// installation window sizes to the settings file and says so. False when
// the person said No (nothing changed) or the sizes could not be written
// (the reason is shown).
bool ResetApplication(Dialogs& dialogs, const std::string& settingsPath, ViewSettings& view);

// "RPHTML.HTM", "GO.HTM" and "SHTML.htm" in folder, matched without regard
// to case; missing ones are no error.
void DeleteTemporaryPages(const std::string& folder);

}  // namespace vorlane
