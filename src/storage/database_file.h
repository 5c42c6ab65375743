#pragma once
// The .dat layout: writing it whole, reading it whole, the short password
// read before a full one, and the check made before merging.

#include <string>
#include <string_view>

#include "storage/database.h"
#include "storage/safe_file.h"

namespace vorlane {

inline constexpr const char* kFormatVersion = "1.03";
inline constexpr const char* kIdentification = "Vorlane";
// The one limit of the reader and of every writer, so that the program never
// writes a file it then refuses to open. Fixed rather than taken from the
// memory of the machine: a cellar written on a large machine must open on a
// small one. The generator's cellar of a million wines takes 1.12 GB; real
// cellars are a small fraction of that.
inline constexpr std::size_t kMaxDatabaseBytes = std::size_t{1} << 30;

// Empty when a database file of that many bytes may be written; otherwise
// why not, with the size and the limit.
std::string DatabaseSizeProblem(std::size_t fileBytes, std::size_t maxBytes = kMaxDatabaseBytes);
// What a record adds to the file, and the whole file, without encoding it:
// importers bound what they add with these before adding it.
std::size_t EncodedRecordSize(const ItemRecord& record);
std::size_t EncodedDatabaseSize(const Database& db);
// The file a merge of otherBytes into open would make, or up to 3 bytes more.
std::size_t MergedDatabaseSize(const Database& open, std::string_view otherBytes);

// The bytes of a database file: the whole file, or only its first bytes when
// they already show it is not a database (its identification is wrong), so
// that decoding them fails as the whole would, without reading the rest.
FileResult ReadDatabaseBytes(const std::string& path, std::string& bytes);

// A database with no name takes the file's name (without folder) first.
std::string EncodeDatabase(Database& db, const std::string& fileName, bool searchListOnly = false);

enum class ReadStatus { Loaded, WrongIdentification, ReadError };

// Fills out from scratch. On anything but Loaded, out is left empty-handed
// and the caller falls back to a new database.
ReadStatus DecodeDatabase(std::string_view bytes, const std::string& fileName, Database& out);

// The two scrambled passwords, from the first four values.
bool DecodePasswords(std::string_view bytes, std::string& readPassword, std::string& savePassword);

// Labels and scrambled passwords must match exactly.
bool CheckMergeCompatible(const Database& open, std::string_view otherBytes);

enum class MergeStatus { Merged, Incompatible, WrongIdentification, ReadError, TooLarge };

// All or nothing: the other file is read whole first; only when it parsed,
// and the merged database stays within the size limit, are its records
// appended and its header values taken over.
MergeStatus MergeDatabase(Database& open, std::string_view otherBytes, const std::string& otherFileName,
                          std::size_t maxBytes = kMaxDatabaseBytes);

// Encodes and writes safely: the file on disk holds exactly the encoded bytes.
// A database beyond the size limit is refused before anything is written,
// and is left as it was.
FileResult SaveDatabaseFile(Database& db, const std::string& path, bool searchListOnly = false,
                            std::size_t maxBytes = kMaxDatabaseBytes);

std::string BaseName(const std::string& path);

// Ingredients block <-> grid cells. Cells are [column][row].
struct IngredientsTable {
    int columns = 4;
    int rows = 100;
    struct Cell {
        int column;
        int row;
        std::string text;
        bool operator==(const Cell&) const = default;
    };
    std::vector<Cell> cells;  // non-empty cells, rows first then columns
};
std::string EncodeIngredients(const IngredientsTable& table);
IngredientsTable DecodeIngredients(std::string_view block);

// The block as every reader takes it: the size line, then cell lines. A cell
// line is "column,row,text" with both numbers 0 or more; any other line is
// no cell. The text is as stored (TAB and backspace not yet turned back).
struct IngredientsLines {
    explicit IngredientsLines(std::string_view block) : block_(block) {}
    // The declared size; false when the size line is missing or empty.
    bool Size(int& columns, int& rows);
    bool NextCell(int& column, int& row, std::string_view& text);

private:
    bool nextLine(std::string_view& line);
    std::string_view block_;
    std::size_t pos_ = 0;
};

}  // namespace vorlane
