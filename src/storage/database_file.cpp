#include "storage/database_file.h"

#include <charconv>

#include "storage/value_tree.h"

namespace vorlane {

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

// ---- writing ----

void writeRecord(TWriter& w, const ItemRecord& r) {
    w.WriteBoolean(r.ReadOnly);
    w.WriteString(r.Name);
    w.WriteString(r.Id);
    for (const auto& d : r.Details) w.WriteString(d);
    for (const auto& d : r.Descriptions) w.WriteString(d);
    w.WriteByteBlock(r.Ingredients);
    for (const auto& list : r.NoteLists) w.WriteStringList(list);
    w.WriteStringList(r.Links);
    w.WriteStringList(r.EmailAddresses);
    for (const auto& image : r.Images) {
        w.WriteString(image.FileName);
        w.WriteString(image.Title);
        w.WriteBoolean(image.Flag);
    }
    w.WriteString(r.Reserved);
    w.WriteBoolean(r.Favorite);
    w.WriteBoolean(r.Tested);
    w.WriteBoolean(r.Untested);
}

// ---- reading ----

struct Header {
    std::string version;
    std::string identification;
    std::string readPassword;
    std::string savePassword;
    std::array<std::string, kInfoFieldCount> info;
    std::vector<std::string> notes;
    LabelTable labels;
};

// Values 1 ... 4. Returns false on a wrong identification.
bool readHeaderStart(TReader& r, Header& h) {
    h.version = r.ReadString();
    h.identification = r.ReadString();
    if (h.identification != kIdentification) return false;
    h.readPassword = r.ReadString();
    h.savePassword = r.ReadString();
    return true;
}

// Values 5 ... 35.
void readHeaderRest(TReader& r, Header& h) {
    for (auto& text : h.info) text = r.ReadString();
    h.notes = r.ReadStringList();
    for (int i = 10; i < 20; ++i) h.labels[static_cast<std::size_t>(i)] = r.ReadString();
    for (int i = 0; i < 10; ++i) h.labels[static_cast<std::size_t>(i)] = r.ReadString();
}

void readTrees(TReader& r, std::array<std::string, kDescriptionCount>& trees) {
    for (auto& tree : trees) tree = TreeToText(ReadDescriptionTree(r));
}

ItemRecord readRecord(TReader& r) {
    ItemRecord rec;
    rec.ReadOnly = r.ReadBoolean();
    rec.Name = r.ReadString();
    rec.Id = r.ReadString();
    if (rec.Id.size() > 8) rec.Id.resize(8);
    for (auto& d : rec.Details) d = r.ReadString();
    for (auto& d : rec.Descriptions) d = r.ReadString();
    rec.Ingredients = r.ReadByteBlock();
    for (auto& list : rec.NoteLists) list = r.ReadStringList();
    rec.Links = r.ReadStringList();
    rec.EmailAddresses = r.ReadStringList();
    for (auto& image : rec.Images) {
        image.FileName = r.ReadString();
        image.Title = r.ReadString();
        image.Flag = r.ReadBoolean();
    }
    rec.Reserved = r.ReadString();
    rec.Favorite = r.ReadBoolean();
    rec.Tested = r.ReadBoolean();
    rec.Untested = r.ReadBoolean();
    return rec;
}

void readRecords(TReader& r, RecordList& records) {
    std::int32_t count = r.ReadInteger();
    if (count <= 0) return;
    // The smallest record takes well over 100 bytes; a count the data
    // cannot hold is refused before anything is reserved.
    constexpr std::size_t kMinRecordBytes = 100;
    if (static_cast<std::size_t>(count) > r.remaining() / kMinRecordBytes + 1) throw ReadError("Record count too large");
    records.reserve(records.size() + static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) records.push_back(readRecord(r));
}

}  // namespace

std::string EncodeDatabase(Database& db, const std::string& fileName, bool searchListOnly) {
    if (db.info[InfoDatabaseName].empty()) db.info[InfoDatabaseName] = BaseName(fileName);

    std::size_t count = db.records.size();
    if (searchListOnly) {
        count = 0;
        for (const auto& r : db.records) count += r.OnSearchList ? 1 : 0;
    }

    TWriter w;
    w.reserve(4096 + count * 512);
    w.WriteString(kFormatVersion);
    w.WriteString(kIdentification);
    w.WriteString(db.readPassword);
    w.WriteString(db.savePassword);
    for (const auto& text : db.info) w.WriteString(text);
    w.WriteStringList(db.notes);
    for (int i = 10; i < 20; ++i) w.WriteString(db.labels[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 10; ++i) w.WriteString(db.labels[static_cast<std::size_t>(i)]);
    for (const auto& tree : db.valueTrees) WriteDescriptionTree(w, ParseTreeText(tree));
    w.WriteInteger(static_cast<std::int32_t>(count));
    for (const auto& r : db.records)
        if (!searchListOnly || r.OnSearchList) writeRecord(w, r);
    return w.take();
}

ReadStatus DecodeDatabase(std::string_view bytes, const std::string& fileName, Database& out) {
    Database db;
    try {
        TReader r(bytes);
        Header h;
        h.labels = DefaultLabels();
        if (!readHeaderStart(r, h)) return ReadStatus::WrongIdentification;
        readHeaderRest(r, h);
        db.formatVersion = h.version;
        db.readPassword = std::move(h.readPassword);
        db.savePassword = std::move(h.savePassword);
        db.info = std::move(h.info);
        db.notes = std::move(h.notes);
        db.labels = std::move(h.labels);
        if (db.info[InfoDatabaseName].empty()) db.info[InfoDatabaseName] = BaseName(fileName);
        readTrees(r, db.valueTrees);
        readRecords(r, db.records);
    } catch (const ReadError&) {
        return ReadStatus::ReadError;
    }
    out = std::move(db);
    return ReadStatus::Loaded;
}

bool DecodePasswords(std::string_view bytes, std::string& readPassword, std::string& savePassword) {
    try {
        TReader r(bytes);
        r.ReadString();
        r.ReadString();
        std::string read = r.ReadString();
        std::string save = r.ReadString();
        readPassword = std::move(read);
        savePassword = std::move(save);
        return true;
    } catch (const ReadError&) {
        return false;
    }
}

bool CheckMergeCompatible(const Database& open, std::string_view otherBytes) {
    try {
        TReader r(otherBytes);
        Header h;
        h.version = r.ReadString();
        h.identification = r.ReadString();
        h.readPassword = r.ReadString();
        h.savePassword = r.ReadString();
        readHeaderRest(r, h);
        return h.labels == open.labels && h.readPassword == open.readPassword &&
               h.savePassword == open.savePassword;
    } catch (const ReadError&) {
        return false;
    }
}

MergeStatus MergeDatabase(Database& open, std::string_view otherBytes, const std::string& otherFileName) {
    if (!CheckMergeCompatible(open, otherBytes)) return MergeStatus::Incompatible;
    Database other;
    switch (DecodeDatabase(otherBytes, otherFileName, other)) {
        case ReadStatus::WrongIdentification:
            return MergeStatus::WrongIdentification;
        case ReadStatus::ReadError:
            return MergeStatus::ReadError;
        case ReadStatus::Loaded:
            break;
    }
    // The other file's header replaces ours; the check made sure passwords
    // and labels are equal, so in effect information, notes and trees change.
    open.readPassword = std::move(other.readPassword);
    open.savePassword = std::move(other.savePassword);
    open.info = std::move(other.info);
    open.notes = std::move(other.notes);
    open.labels = std::move(other.labels);
    open.valueTrees = std::move(other.valueTrees);
    open.records.reserve(open.records.size() + other.records.size());
    for (auto& rec : other.records) open.records.push_back(std::move(rec));
    return MergeStatus::Merged;
}

FileResult SaveDatabaseFile(Database& db, const std::string& path, bool searchListOnly) {
    if (path.empty()) return FileResult{false, "No file name was given."};
    std::string bytes = EncodeDatabase(db, path, searchListOnly);
    return WriteFileSafely(path, bytes, [&](std::string_view written) {
        Database check;
        return DecodeDatabase(written, path, check) == ReadStatus::Loaded;
    });
}

// ---- ingredients block ----

std::string EncodeIngredients(const IngredientsTable& table) {
    std::string out = std::to_string(table.columns) + "," + std::to_string(table.rows) + "\r\n";
    for (const auto& cell : table.cells) {
        if (cell.text.empty()) continue;
        out += std::to_string(cell.column) + "," + std::to_string(cell.row) + ",";
        for (char c : cell.text) {
            if (c == '\r') out.push_back('\t');
            else if (c == '\n') out.push_back('\b');
            else out.push_back(c);
        }
        out += "\r\n";
    }
    return out;
}

namespace {
int parseInt(std::string_view text, int fallback) {
    int value = fallback;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : fallback;
}
}  // namespace

IngredientsTable DecodeIngredients(std::string_view block) {
    IngredientsTable table;
    if (block.empty()) return table;
    bool first = true;
    std::size_t pos = 0;
    while (pos < block.size()) {
        std::size_t end = block.find("\r\n", pos);
        std::string_view line = block.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? block.size() : end + 2;
        if (first) {
            first = false;
            if (!line.empty()) {
                auto comma = line.find(',');
                table.columns = parseInt(line.substr(0, comma), table.columns);
                if (comma != std::string_view::npos) table.rows = parseInt(line.substr(comma + 1), table.rows);
            }
            continue;
        }
        auto c1 = line.find(',');
        if (c1 == std::string_view::npos) continue;
        auto c2 = line.find(',', c1 + 1);
        if (c2 == std::string_view::npos) continue;
        IngredientsTable::Cell cell;
        cell.column = parseInt(line.substr(0, c1), -1);
        cell.row = parseInt(line.substr(c1 + 1, c2 - c1 - 1), -1);
        if (cell.column < 0 || cell.row < 0) continue;
        cell.text = std::string(line.substr(c2 + 1));
        if (cell.text.find('\b') != std::string::npos) {
            for (char& c : cell.text) {
                if (c == '\t') c = '\r';
                else if (c == '\b') c = '\n';
            }
        }
        table.cells.push_back(std::move(cell));
    }
    return table;
}

}  // namespace vorlane
