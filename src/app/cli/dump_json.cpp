#include "app/cli/dump_json.h"

#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "storage/cp1252.h"
#include "storage/database_file.h"

namespace vorlane::cli {

namespace {

using Json = nlohmann::ordered_json;

template <typename Texts>
Json TextArray(const Texts& texts) {
    Json array = Json::array();
    for (const auto& text : texts) array.push_back(Cp1252ToUtf8(text));
    return array;
}

// Places a nested dump at the given depth, as one whole dump would have.
std::string Indented(const std::string& text, std::size_t spaces) {
    std::string out(spaces, ' ');
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        out.push_back(c);
        if (c == '\n') out.append(spaces, ' ');
    }
    return out;
}

}  // namespace

Json RecordJson(const ItemRecord& r) {
    Json images = Json::array();
    for (const auto& image : r.Images) {
        Json slot;
        slot["fileName"] = Cp1252ToUtf8(image.FileName);
        slot["title"] = Cp1252ToUtf8(image.Title);
        slot["flag"] = image.Flag;
        images.push_back(std::move(slot));
    }
    Json noteLists = Json::array();
    for (const auto& list : r.NoteLists) noteLists.push_back(TextArray(list));

    Json j;
    j["readOnly"] = r.ReadOnly;
    j["name"] = Cp1252ToUtf8(r.Name);
    j["id"] = Cp1252ToUtf8(r.Id);
    j["details"] = TextArray(r.Details);
    j["descriptions"] = TextArray(r.Descriptions);
    j["ingredients"] = Cp1252ToUtf8(r.Ingredients);
    j["noteLists"] = std::move(noteLists);
    j["links"] = TextArray(r.Links);
    j["emailAddresses"] = TextArray(r.EmailAddresses);
    j["images"] = std::move(images);
    j["reserved"] = Cp1252ToUtf8(r.Reserved);
    j["favorite"] = r.Favorite;
    j["tested"] = r.Tested;
    j["untested"] = r.Untested;
    return j;
}

void WriteDatabaseJson(const Database& db, std::ostream& out) {
    Json head;
    head["version"] = Cp1252ToUtf8(db.formatVersion);
    head["identification"] = kIdentification;  // a loaded file always carries it
    head["readPasswordSet"] = !db.readPassword.empty();
    head["savePasswordSet"] = !db.savePassword.empty();
    head["info"] = TextArray(db.info);
    head["notes"] = TextArray(db.notes);
    head["labels"] = TextArray(db.labels);
    head["valueTrees"] = TextArray(db.valueTrees);

    std::string text = head.dump(2);
    text.resize(text.size() - 2);  // the closing "\n}"
    out << text << ",\n  \"records\": ";
    if (db.records.empty()) {
        out << "[]";
    } else {
        out << "[\n";
        for (std::size_t i = 0; i < db.records.size(); ++i) {
            if (i > 0) out << ",\n";
            out << Indented(RecordJson(db.records[i]).dump(2), 4);
        }
        out << "\n  ]";
    }
    out << "\n}\n";
}

void RunDump(const std::vector<std::string>& arguments, std::ostream& out) {
    WriteDatabaseJson(LoadDatabase(arguments[0]), out);
}

}  // namespace vorlane::cli
