#pragma once
// The rules behind the "Set Database Password" and "Database Information"
// dialogs; the dialogs themselves only lay out fields.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "storage/database.h"
#include "storage/dialogs.h"

namespace vorlane {

struct PasswordFields {
    std::string read, readAgain, save, saveAgain;  // plain text
};

// Each password, unscrambled, in both of its fields.
PasswordFields PasswordFieldsOf(const Database& db);

// "OK": when a pair differs its message is shown and false is returned (the
// dialog stays open); otherwise both passwords are scrambled into db. An
// empty field removes that password.
bool ApplyPasswordFields(const PasswordFields& fields, Database& db, Dialogs& dialogs);

struct InfoDialogField {
    const char* label;
    InfoField field;  // where the text is kept in the database
};

// The dialog's ten fields from top to bottom. Zip code comes before country
// on screen, the other way round in the file.
inline constexpr std::array<InfoDialogField, kInfoFieldCount> kInfoDialogFields = {{
    {"Database Name", InfoDatabaseName},
    {"Database Owner", InfoOwner},
    {"Street", InfoStreet},
    {"City", InfoCity},
    {"Zip Code", InfoZipCode},
    {"Country", InfoCountry},
    {"Home Phone", InfoHomePhone},
    {"Work Phone", InfoWorkPhone},
    {"Email Address", InfoEmail},
    {"Web Page", InfoWebPage},
}};

// Multi-line edits and the line lists of records and databases: one entry
// per line. An empty text is no lines at all.
std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace vorlane
