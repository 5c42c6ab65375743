#include "storage/database_file.h"

#include <algorithm>
#include <charconv>
#include <new>

#include "storage/number_text.h"
#include "storage/value_tree.h"

namespace vorlane {

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

// ---- writing ----

void writeRecord(ValueWriter& w, const ItemRecord& r) {
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
bool readHeaderStart(ValueReader& r, Header& h) {
    h.version = r.ReadString();
    h.identification = r.ReadString();
    if (h.identification != kIdentification) return false;
    h.readPassword = r.ReadString();
    h.savePassword = r.ReadString();
    return true;
}

// Values 5 ... 35.
void readHeaderRest(ValueReader& r, Header& h) {
    for (auto& text : h.info) text = r.ReadString();
    h.notes = r.ReadStringList();
    for (int i = 10; i < 20; ++i) h.labels[static_cast<std::size_t>(i)] = r.ReadString();
    for (int i = 0; i < 10; ++i) h.labels[static_cast<std::size_t>(i)] = r.ReadString();
}

void readTrees(ValueReader& r, std::array<std::string, kDescriptionCount>& trees) {
    for (auto& tree : trees) tree = TreeToText(ReadDescriptionTree(r));
}

ItemRecord readRecord(ValueReader& r) {
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

// The fewest bytes a record can take: ten booleans, thirty-five empty texts
// (tag and length), the integer 0 of an empty ingredients block (tag and
// byte) and five empty lists (begin and end).
constexpr std::size_t kMinRecordBytes = 10 * 1 + 35 * 2 + 2 + 5 * 2;

void readRecords(ValueReader& r, RecordList& records) {
    std::int32_t count = r.ReadInteger();
    if (count <= 0) return;
    // A count the data cannot hold is refused before anything is reserved,
    // and the reservation stays small: records take far more room in memory
    // than in the file, so the list grows only as records are really read.
    if (static_cast<std::size_t>(count) > r.remaining() / kMinRecordBytes) throw ReadError("Record count too large");
    constexpr std::size_t kMaxReserve = 1 << 16;
    records.reserve(records.size() + std::min(static_cast<std::size_t>(count), kMaxReserve));
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

    ValueWriter w;
    w.WriteString(kFormatVersion);
    w.WriteString(kIdentification);
    w.WriteString(db.readPassword);
    w.WriteString(db.savePassword);
    for (const auto& text : db.info) w.WriteString(text);
    w.WriteStringList(db.notes);
    for (int i = 10; i < 20; ++i) w.WriteString(db.labels[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 10; ++i) w.WriteString(db.labels[static_cast<std::size_t>(i)]);
    for (const auto& tree : db.valueTrees) WriteDescriptionTree(w, ParseTreeText(tree));
    // Reserved exactly: growing a buffer of a gigabyte copies it, and for a
    // moment needs it twice.
    std::size_t recordBytes = 5;
    for (const auto& r : db.records)
        if (!searchListOnly || r.OnSearchList) recordBytes += EncodedRecordSize(r);
    w.reserve(w.bytes().size() + recordBytes);
    w.WriteInteger(static_cast<std::int32_t>(count));
    for (const auto& r : db.records)
        if (!searchListOnly || r.OnSearchList) writeRecord(w, r);
    return w.take();
}

ReadStatus DecodeDatabase(std::string_view bytes, const std::string& fileName, Database& out) {
    Database db;
    try {
        ValueReader r(bytes);
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
    } catch (const std::bad_alloc&) {
        return ReadStatus::ReadError;  // more than memory holds: not a file we can use
    }
    out = std::move(db);
    return ReadStatus::Loaded;
}

bool DecodePasswords(std::string_view bytes, std::string& readPassword, std::string& savePassword) {
    try {
        ValueReader r(bytes);
        r.ReadString();
        r.ReadString();
        std::string read = r.ReadString();
        std::string save = r.ReadString();
        readPassword = std::move(read);
        savePassword = std::move(save);
        return true;
    } catch (const ReadError&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool CheckMergeCompatible(const Database& open, std::string_view otherBytes) {
    try {
        ValueReader r(otherBytes);
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
    } catch (const std::bad_alloc&) {
        return false;
    }
}

MergeStatus MergeDatabase(Database& open, std::string_view otherBytes, const std::string& otherFileName,
                          std::size_t maxBytes) {
    if (!CheckMergeCompatible(open, otherBytes)) return MergeStatus::Incompatible;
    if (!DatabaseSizeProblem(MergedDatabaseSize(open, otherBytes), maxBytes).empty()) return MergeStatus::TooLarge;
    Database other;
    switch (DecodeDatabase(otherBytes, otherFileName, other)) {
        case ReadStatus::WrongIdentification:
            return MergeStatus::WrongIdentification;
        case ReadStatus::ReadError:
            return MergeStatus::ReadError;
        case ReadStatus::Loaded:
            break;
    }
    try {
        open.records.reserve(open.records.size() + other.records.size());
    } catch (const std::bad_alloc&) {
        return MergeStatus::ReadError;
    }
    // The other file's header replaces ours; the check made sure passwords
    // and labels are equal, so in effect information, notes and trees change.
    open.readPassword = std::move(other.readPassword);
    open.savePassword = std::move(other.savePassword);
    open.info = std::move(other.info);
    open.notes = std::move(other.notes);
    open.labels = std::move(other.labels);
    open.valueTrees = std::move(other.valueTrees);
    for (auto& rec : other.records) open.records.push_back(std::move(rec));
    return MergeStatus::Merged;
}

FileResult SaveDatabaseFile(Database& db, const std::string& path, bool searchListOnly, std::size_t maxBytes) {
    if (path.empty()) return FileResult{false, "No file name was given."};
    const std::string nameBefore = db.info[InfoDatabaseName];
    std::string bytes = EncodeDatabase(db, path, searchListOnly);
    if (std::string problem = DatabaseSizeProblem(bytes.size(), maxBytes); !problem.empty()) {
        db.info[InfoDatabaseName] = nameBefore;
        return FileResult{false, problem + "  Nothing was saved."};
    }
    return WriteFileSafely(path, bytes);
}

// ---- size ----

namespace {

std::size_t TextSize(std::string_view text) { return (text.size() <= 255 ? 2 : 5) + text.size(); }

std::size_t IntegerSize(std::int64_t value) {
    if (value >= -128 && value <= 127) return 2;
    if (value >= -32768 && value <= 32767) return 3;
    return 5;
}

std::size_t ListSize(const std::vector<std::string>& list) {
    std::size_t size = 2;
    for (const auto& text : list) size += TextSize(text);
    return size;
}

}  // namespace

std::string DatabaseSizeProblem(std::size_t fileBytes, std::size_t maxBytes) {
    if (fileBytes <= maxBytes) return {};
    return "The database would take " + GroupThousands(std::to_string(fileBytes)) + " bytes, more than the " +
           GroupThousands(std::to_string(maxBytes)) +
           " bytes a database file may hold.";
}

std::size_t EncodedRecordSize(const ItemRecord& r) {
    std::size_t size = 10;  // the ten booleans
    size += TextSize(r.Name) + TextSize(r.Id) + TextSize(r.Reserved);
    for (const auto& d : r.Details) size += TextSize(d);
    for (const auto& d : r.Descriptions) size += TextSize(d);
    size += IntegerSize(static_cast<std::int64_t>(r.Ingredients.size())) + 3 * r.Ingredients.size();
    for (const auto& list : r.NoteLists) size += ListSize(list);
    size += ListSize(r.Links) + ListSize(r.EmailAddresses);
    for (const auto& image : r.Images) size += TextSize(image.FileName) + TextSize(image.Title);
    return size;
}

std::size_t EncodedDatabaseSize(const Database& db) {
    // The header is small beside the records; encoding it is the simplest
    // way to count what its trees take.
    Database header;
    header.readPassword = db.readPassword;
    header.savePassword = db.savePassword;
    header.info = db.info;
    header.notes = db.notes;
    header.labels = db.labels;
    header.valueTrees = db.valueTrees;
    std::size_t size = EncodeDatabase(header, "").size() - IntegerSize(0);
    size += IntegerSize(static_cast<std::int64_t>(db.records.size()));
    for (const auto& record : db.records) size += EncodedRecordSize(record);
    return size;
}

std::size_t MergedDatabaseSize(const Database& open, std::string_view otherBytes) {
    // The merged file is the other file's header, then both record lists;
    // its record count may take up to 3 bytes more than the other file's.
    std::size_t size = otherBytes.size() + 3;
    for (const auto& record : open.records) size += EncodedRecordSize(record);
    return size;
}

FileResult ReadDatabaseBytes(const std::string& path, std::string& bytes) {
    // A version text and the identification fit well within this; a file
    // whose start is not a database is refused on what it has read so far.
    constexpr std::size_t kStartBytes = 4096;
    FileResult start = ReadFileStart(path, bytes, kStartBytes);
    if (!start.ok || bytes.size() < kStartBytes) return start;
    try {
        ValueReader r(bytes);
        r.ReadString();
        if (r.ReadString() != kIdentification) return start;
    } catch (const ReadError&) {
        return start;
    }
    return ReadWholeFile(path, bytes, kMaxDatabaseBytes);
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
// A number of the block: digits only, as written; anything else, a sign
// or a value beyond int is no number.
bool parseNumber(std::string_view text, int& value) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return false;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}
}  // namespace

bool IngredientsLines::nextLine(std::string_view& line) {
    if (pos_ >= block_.size()) return false;
    std::size_t end = block_.find("\r\n", pos_);
    line = block_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    pos_ = end == std::string_view::npos ? block_.size() : end + 2;
    return true;
}

bool IngredientsLines::Size(int& columns, int& rows) {
    std::string_view line;
    if (pos_ != 0 || !nextLine(line) || line.empty()) return false;
    auto comma = line.find(',');
    int value;
    if (parseNumber(line.substr(0, comma), value)) columns = value;
    if (comma != std::string_view::npos && parseNumber(line.substr(comma + 1), value)) rows = value;
    return true;
}

bool IngredientsLines::NextCell(int& column, int& row, std::string_view& text) {
    if (pos_ == 0) {
        std::string_view sizeLine;
        nextLine(sizeLine);
    }
    std::string_view line;
    while (nextLine(line)) {
        auto c1 = line.find(',');
        if (c1 == std::string_view::npos) continue;
        auto c2 = line.find(',', c1 + 1);
        if (c2 == std::string_view::npos) continue;
        if (!parseNumber(line.substr(0, c1), column) || !parseNumber(line.substr(c1 + 1, c2 - c1 - 1), row)) continue;
        text = line.substr(c2 + 1);
        return true;
    }
    return false;
}

IngredientsTable DecodeIngredients(std::string_view block) {
    IngredientsTable table;
    if (block.empty()) return table;
    IngredientsLines lines(block);
    lines.Size(table.columns, table.rows);
    IngredientsTable::Cell cell;
    std::string_view text;
    while (lines.NextCell(cell.column, cell.row, text)) {
        cell.text = std::string(text);
        if (cell.text.find('\b') != std::string::npos) {
            for (char& c : cell.text) {
                if (c == '\t') c = '\r';
                else if (c == '\b') c = '\n';
            }
        }
        table.cells.push_back(cell);
    }
    return table;
}

}  // namespace vorlane
