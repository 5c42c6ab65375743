#include "reports/delimited_import.h"

#include <algorithm>
#include <iterator>

#include "storage/database_file.h"
#include "storage/new_record.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

// Starting at a field's first character: does a quote open it?
bool OpensQuote(std::string_view text, std::size_t i) {
    return i < text.size() && text[i] == '"' && (i == 0 || text[i - 1] == ',');
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}
}  // namespace

std::vector<std::string> DelimitedLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool quoted = false;
    bool pending = false;  // a line has begun
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        pending = true;
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    line += "\"\"";
                    ++i;
                    continue;
                }
                quoted = false;
            }
            line.push_back(c);
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.push_back(std::move(line));
            line.clear();
            pending = false;
            continue;
        }
        if (c == '"' && (line.empty() || line.back() == ',')) quoted = true;
        line.push_back(c);
    }
    if (pending) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> DelimitedTokens(std::string line, std::size_t count) {
    std::vector<std::string> tokens;
    tokens.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        if (OpensQuote(line, 0)) {
            std::string token;
            std::size_t i = 1;
            bool closed = false;
            for (; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        token.push_back('"');
                        ++i;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                token.push_back(line[i]);
            }
            if (closed) {
                const std::size_t comma = line.find(',', i);
                token += line.substr(i, comma == std::string::npos ? std::string::npos : comma - i);
                tokens.push_back(token);
                // The last field stays in the line, like an unquoted one.
                if (comma != std::string::npos) line.erase(0, comma + 1);
                continue;
            }
        }
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos) {
            tokens.push_back(line);
        } else {
            tokens.push_back(line.substr(0, comma));
            line.erase(0, comma + 1);
        }
    }
    return tokens;
}

ItemRecord ImportedRecord(const std::vector<ReportItem>& items, const std::string& line, const std::string& today,
                          const ImportCaptions& captions) {
    ItemRecord r;
    r.Id = NewRecordKey();
    // assign() rather than literals: GCC 12 at -O3 warns falsely (-Wrestrict).
    r.Name.assign("Empty", 5);
    for (int d : {0, 5, 6, 7}) r.Details[static_cast<std::size_t>(d)].assign(1, ' ');
    for (int d : {1, 4, 8}) r.Details[static_cast<std::size_t>(d)].assign(1, '0');
    r.Details[9].assign("01", 2);
    r.Details[2] = r.Details[3] = today;
    for (int i = 0; i < kImageCount; ++i) r.Images[static_cast<std::size_t>(i)].Title = "Untitled " + std::to_string(i + 1);

    const std::vector<std::string> tokens = DelimitedTokens(line, items.size());
    for (std::size_t k = 0; k < items.size(); ++k) {
        const std::string& token = tokens[k];
        const int index = items[k].fieldIndex;
        if (index >= 0 && index < kDescriptionCount) {
            r.Descriptions[static_cast<std::size_t>(index)] = token;
        } else if (index == 11 || index == 18) {
            const std::optional<double> amount = ParseNumberText(token);
            std::string money = amount ? MoneyText(*amount) : std::string();
            r.Details[static_cast<std::size_t>(index - 10)] = money.empty() ? token : std::move(money);
        } else if (index >= 10 && index < 20) {
            r.Details[static_cast<std::size_t>(index - 10)] = token;
        } else if (index == kStatusIndex) {
            if (token == captions.favorite) r.Favorite = true;
            else if (token == captions.tested) r.Tested = true;
            else if (token == captions.untested) r.Untested = true;
        } else if (index == kNameIndex) {
            r.Name = token;
        }
    }
    return r;
}

ImportResult ImportDelimited(Database& db, const std::vector<ReportItem>& items, std::string_view bytes,
                             const std::string& today, std::size_t maxDatabaseBytes) {
    ImportResult result;
    OutsideText text = ReadOutsideText(bytes);
    result.replaced = text.replaced;
    result.replacedLines = std::move(text.replacedLines);
    result.databaseBytes = EncodedDatabaseSize(db);
    RecordList added;
    // Counted as each record is made, so that a file of a million short
    // lines stops at the limit instead of filling the memory first.
    for (auto& line : DelimitedLines(text.text)) {
        if (IsBlank(line)) continue;
        added.push_back(ImportedRecord(items, line, today));
        result.databaseBytes += EncodedRecordSize(added.back());
        if (result.databaseBytes > maxDatabaseBytes) {
            result.tooLarge = true;
            return result;
        }
    }
    db.records.reserve(db.records.size() + added.size());
    std::move(added.begin(), added.end(), std::back_inserter(db.records));
    result.added = added.size();
    return result;
}

std::string ImportTooLargeMessage(const ImportResult& result, std::size_t maxDatabaseBytes) {
    return "Nothing was imported: the database would take at least " + std::to_string(result.databaseBytes) +
           " bytes, and at most " + std::to_string(maxDatabaseBytes) + " bytes can be saved and read back.";
}

std::string ImportedMessage(const ImportResult& result) {
    const std::string detail = ReplacedCharactersMessage(result.replacedLines);
    return detail.empty() ? std::string(kFileImported) : std::string(kFileImported) + "\n\n" + detail + ".";
}

}  // namespace vorlane
