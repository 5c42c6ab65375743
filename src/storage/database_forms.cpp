#include "storage/database_forms.h"

#include "storage/scramble.h"

namespace vorlane {

PasswordFields PasswordFieldsOf(const Database& db) {
    PasswordFields fields;
    fields.read = fields.readAgain = Unscramble(db.readPassword);
    fields.save = fields.saveAgain = Unscramble(db.savePassword);
    return fields;
}

bool ApplyPasswordFields(const PasswordFields& fields, Database& db, Dialogs& dialogs) {
    if (fields.read != fields.readAgain) {
        dialogs.Information("The read passwords do not match.");
        return false;
    }
    if (fields.save != fields.saveAgain) {
        dialogs.Information("The save passwords do not match.");
        return false;
    }
    db.readPassword = Scramble(fields.read);
    db.savePassword = Scramble(fields.save);
    return true;
}

std::vector<std::string> SplitLines(std::string_view text) {
    // As a memo's lines are counted: a break ends a line, so a break at the
    // very end starts no further, empty entry.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text.push_back('\n');
        text += lines[i];
    }
    // A last entry that is empty needs its own break to be read back.
    if (!lines.empty() && lines.back().empty()) text.push_back('\n');
    return text;
}

}  // namespace vorlane
