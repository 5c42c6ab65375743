#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sys/mman.h>

#include "storage/database_file.h"
#include "storage/scramble.h"
#include "storage/value_tree.h"

using namespace vorlane;

namespace {

// Builds file bytes straight from the layout table, without the writer.
struct Bytes {
    std::string out;
    Bytes& raw(std::initializer_list<int> values) {
        for (int v : values) out.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& str(const std::string& s) {
        if (s.size() < 256) {
            raw({6, static_cast<int>(s.size())});
        } else {
            raw({12});
            for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(s.size() >> (8 * i)));
        }
        out += s;
        return *this;
    }
    Bytes& boolean(bool b) { return raw({b ? 9 : 8}); }
    Bytes& small(int n) { return raw({2, n}); }  // -128 ... 127
    Bytes& list(const std::vector<std::string>& items) {
        raw({1});
        for (const auto& s : items) str(s);
        return raw({0});
    }
    Bytes& emptyTree() {
        out += std::string("TPF0") + "\x09TTreeView\x0F" "DescriptionTree\x04Left\x03\x68\x02\x03Top\x03\xA8\x01"
               "\x05Width\x02\x21\x06Height\x02\x19\x06Indent\x02\x13\x08TabOrder\x02";
        out.push_back('\0');
        out += "\x07Visible\x08";
        out.push_back('\0');
        out.push_back('\0');
        return *this;
    }
};

const char* const kLabelOrder[20] = {"Region", "Type", "Producer", "Rating", "Rarity", "Description 5",
                                     "Description 6", "Description 7", "Description 8", "Description 9",
                                     "Winery", "Paid", "Date Received", "Vintage", "Bottle Size", "Detail 6",
                                     "Detail 7", "Detail 8", "Value", "Quantity"};

Bytes header(const std::string& readPw = "", const std::string& savePw = "", const std::string& name = "Cellar") {
    Bytes b;
    b.str("1.03").str("Vorlane").str(readPw).str(savePw).str(name);
    for (int i = 1; i < 10; ++i) b.str("info" + std::to_string(i));
    b.list({"note one", "note two"});
    for (const char* label : kLabelOrder) b.str(label);
    for (int i = 0; i < 10; ++i) b.emptyTree();
    return b;
}

void appendRecord(Bytes& b, const std::string& name, const std::string& id, const std::string& ingredients) {
    b.boolean(true).str(name).str(id);
    for (int i = 0; i < 10; ++i) b.str("d" + std::to_string(i));
    for (int i = 1; i <= 10; ++i) b.str("desc" + std::to_string(i));
    b.small(static_cast<int>(ingredients.size()));
    for (char c : ingredients) b.raw({6, 1, static_cast<unsigned char>(c)});
    b.list({"oak"}).list({"lamb", "cheese"}).list({}).list({"https://example.org"}).list({});
    for (int i = 1; i <= 6; ++i) b.str("/pics/" + std::to_string(i) + ".jpg").str("Untitled " + std::to_string(i)).boolean(i == 2);
    b.str("kept").boolean(true).boolean(false).boolean(true);
}

Bytes twoRecordFile() {
    Bytes b = header();
    b.small(2);
    appendRecord(b, "Ch\xE2teau Margaux 2015", "ABCD1234", "4,100\r\n0,0,Ingredients\r\n");
    appendRecord(b, "Ros\xE9", "ZZZZ0000", "");
    return b;
}

}  // namespace

TEST(DatabaseFile, ReadsAFileBuiltFromTheLayoutAndWritesTheSameBytes) {
    std::string file = twoRecordFile().out;
    Database db;
    ASSERT_EQ(DecodeDatabase(file, "/x/cellar.dat", db), ReadStatus::Loaded);
    EXPECT_EQ(db.info[InfoDatabaseName], "Cellar");
    EXPECT_EQ(db.info[InfoWebPage], "info9");
    EXPECT_EQ(db.notes, (std::vector<std::string>{"note one", "note two"}));
    EXPECT_EQ(db.labels, DefaultLabels());
    ASSERT_EQ(db.records.size(), 2u);
    const ItemRecord& r = db.records[0];
    EXPECT_TRUE(r.ReadOnly);
    EXPECT_EQ(r.Name, "Ch\xE2teau Margaux 2015");
    EXPECT_EQ(r.Id, "ABCD1234");
    EXPECT_EQ(r.Details[9], "d9");
    EXPECT_EQ(r.Description(10), "desc10");
    EXPECT_EQ(r.Ingredients, "4,100\r\n0,0,Ingredients\r\n");
    EXPECT_EQ(r.NoteLists[1], (std::vector<std::string>{"lamb", "cheese"}));
    EXPECT_TRUE(r.NoteLists[2].empty());
    EXPECT_EQ(r.Links, std::vector<std::string>{"https://example.org"});
    EXPECT_EQ(r.Images[5].FileName, "/pics/6.jpg");
    EXPECT_TRUE(r.Images[1].Flag);
    EXPECT_FALSE(r.Images[0].Flag);
    EXPECT_EQ(r.Reserved, "kept");
    EXPECT_TRUE(r.Favorite);
    EXPECT_FALSE(r.Tested);
    EXPECT_TRUE(r.Untested);
    EXPECT_FALSE(r.OnSearchList);
    EXPECT_EQ(db.records[1].Ingredients, "");

    EXPECT_EQ(EncodeDatabase(db, "/x/cellar.dat"), file);
}

TEST(DatabaseFile, EmptyNameTakesTheFileNameWhenWrittenAndRead) {
    Bytes b = header("", "", "");
    b.small(0);
    Database db;
    ASSERT_EQ(DecodeDatabase(b.out, "/some/where/cellar.dat", db), ReadStatus::Loaded);
    EXPECT_EQ(db.info[InfoDatabaseName], "cellar.dat");
    EXPECT_TRUE(db.records.empty());

    Database fresh;
    std::string written = EncodeDatabase(fresh, "/a.b/other.dat");
    EXPECT_EQ(fresh.info[InfoDatabaseName], "other.dat");
    EXPECT_NE(written.find("\x06\x09other.dat"), std::string::npos);
}

TEST(DatabaseFile, OtherVersionsReadAndIdsAreCutToEight) {
    Bytes b;
    b.str("0.99").str("Vorlane").str("").str("");
    for (int i = 0; i < 10; ++i) b.str("");
    b.list({});
    for (const char* label : kLabelOrder) b.str(label);
    for (int i = 0; i < 10; ++i) b.emptyTree();
    b.small(1);
    appendRecord(b, "n", "ABCDEFGHIJKL", "");
    Database db;
    ASSERT_EQ(DecodeDatabase(b.out, "v.dat", db), ReadStatus::Loaded);
    EXPECT_EQ(db.formatVersion, "0.99");
    EXPECT_EQ(db.records[0].Id, "ABCDEFGH");
}

TEST(DatabaseFile, WrongIdentificationIsNotLoaded) {
    Bytes b;
    b.str("1.03").str("vorlane").str("").str("");
    Database db;
    db.info[InfoOwner] = "untouched";
    EXPECT_EQ(DecodeDatabase(b.out, "x.dat", db), ReadStatus::WrongIdentification);
    EXPECT_EQ(db.info[InfoOwner], "untouched");
}

TEST(DatabaseFile, SearchListOnlyWritesTheFlaggedRecordsInOrder) {
    Database db;
    for (int i = 0; i < 10; ++i) {
        ItemRecord r;
        r.Name = "wine " + std::to_string(i);
        r.OnSearchList = i == 2 || i == 5 || i == 9;
        db.records.push_back(r);
    }
    std::string written = EncodeDatabase(db, "x.dat", true);
    Database back;
    ASSERT_EQ(DecodeDatabase(written, "x.dat", back), ReadStatus::Loaded);
    ASSERT_EQ(back.records.size(), 3u);
    EXPECT_EQ(back.records[0].Name, "wine 2");
    EXPECT_EQ(back.records[1].Name, "wine 5");
    EXPECT_EQ(back.records[2].Name, "wine 9");
}

TEST(DatabaseFile, EmptyListsAndBlocksHaveTheirMinimalForm) {
    Database db;
    db.records.push_back(ItemRecord{});
    std::string written = EncodeDatabase(db, "x.dat");
    // ingredients size 0 followed directly by five empty lists
    EXPECT_NE(written.find(std::string("\x02\x00\x01\x00\x01\x00\x01\x00\x01\x00\x01\x00", 12)), std::string::npos);
    db.records[0].Ingredients = std::string(1000, 'x');
    EXPECT_EQ(EncodeDatabase(db, "x.dat").size(), written.size() + 3000 + 1);  // size 1000 needs tag 3
}

TEST(DatabaseFile, EveryTruncationIsAReadError) {
    std::string file = twoRecordFile().out;
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        Database db;
        ReadStatus status = DecodeDatabase(std::string_view(file).substr(0, cut), "x.dat", db);
        EXPECT_NE(status, ReadStatus::Loaded) << "cut at " << cut;
    }
}

TEST(DatabaseFile, HugeCountsAndRandomBytesFailQuickly) {
    Bytes b = header();
    b.raw({4, 0xFF, 0xFF, 0xFF, 0x7F});  // two thousand million records
    Database db;
    EXPECT_EQ(DecodeDatabase(b.out, "x.dat", db), ReadStatus::ReadError);

    std::mt19937 rng(1234);
    std::string file = twoRecordFile().out;
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = file;
        int flips = 1 + round % 8;
        for (int i = 0; i < flips; ++i)
            damaged[rng() % damaged.size()] = static_cast<char>(rng());
        Database out;
        ReadStatus status = DecodeDatabase(damaged, "x.dat", out);
        if (status == ReadStatus::Loaded) {
            EXPECT_LE(out.records.size(), 2u);
        }
    }
    for (int round = 0; round < 500; ++round) {
        std::string noise(rng() % 2000, '\0');
        for (char& c : noise) c = static_cast<char>(rng());
        Database out;
        EXPECT_NE(DecodeDatabase(noise, "x.dat", out), ReadStatus::Loaded);
    }
}

TEST(DatabaseFile, CountsAreBoundedByTheSmallestRecordNotByAGuess) {
    // A record of empty texts with an empty Id takes 92 bytes: every count
    // up to what the data holds reads, one more does not.
    for (std::size_t n : {1u, 13u, 100u}) {
        Database db;
        db.records.assign(n, ItemRecord{});
        std::string file = EncodeDatabase(db, "x.dat");
        Database out;
        EXPECT_EQ(DecodeDatabase(file, "x.dat", out), ReadStatus::Loaded) << n;
        EXPECT_EQ(out.records.size(), n);
        std::size_t countAt = file.size() - n * 92 - 2;
        ASSERT_EQ(file[countAt], '\x02');  // the count, as a one-byte integer
        file[countAt + 1] = static_cast<char>(n + 1);
        EXPECT_EQ(DecodeDatabase(file, "x.dat", out), ReadStatus::ReadError) << n;
    }
}

TEST(DatabaseFile, ACountAFileOfGigabytesCouldHoldReservesLittle) {
    // 2 GiB of zeros (never touched, so never really allocated) behind a count
    // of 20 million: reserving whole records for it would take 27 GB.
    const std::size_t size = std::size_t{2100} << 20;
    void* map = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(map, MAP_FAILED);
    Bytes b = header();
    b.raw({4, 0x00, 0x2D, 0x31, 0x01});
    std::memcpy(map, b.out.data(), b.out.size());
    Database db;
    EXPECT_EQ(DecodeDatabase(std::string_view(static_cast<const char*>(map), size), "x.dat", db),
              ReadStatus::ReadError);
    ::munmap(map, size);
}

TEST(DatabaseFile, ValueTreesSurviveTheRoundTrip) {
    Database db;
    db.valueTrees[0] = "France\r\n\tBordeaux\r\n\t\tPauillac\r\nItaly\r\n";
    db.valueTrees[9] = "Red\r\n\tDry\r\n";
    std::string written = EncodeDatabase(db, "x.dat");
    Database back;
    ASSERT_EQ(DecodeDatabase(written, "x.dat", back), ReadStatus::Loaded);
    EXPECT_EQ(back.valueTrees, db.valueTrees);
    EXPECT_EQ(EncodeDatabase(back, "x.dat"), written);
}

TEST(PasswordReader, ReadsOnlyTheFirstFourValues) {
    Bytes b;
    b.str("1.03").str("Vorlane").str(Scramble("red")).str(Scramble("save"));
    std::string readPw, savePw;
    ASSERT_TRUE(DecodePasswords(b.out, readPw, savePw));
    EXPECT_EQ(Unscramble(readPw), "red");
    EXPECT_EQ(Unscramble(savePw), "save");
    EXPECT_FALSE(DecodePasswords(b.out.substr(0, b.out.size() - 1), readPw, savePw));
    EXPECT_FALSE(DecodePasswords("not a database", readPw, savePw));
}

TEST(Merge, CompatibleFilesAppendAndTakeTheOtherHeader) {
    Database open;
    open.records.push_back(ItemRecord{});
    open.records[0].Name = "mine";
    open.info[InfoOwner] = "me";
    Database other;
    other.info[InfoOwner] = "them";
    other.valueTrees[2] = "Producer X\r\n";
    for (int i = 0; i < 3; ++i) {
        other.records.push_back(ItemRecord{});
        other.records.back().Name = "theirs " + std::to_string(i);
    }
    std::string otherBytes = EncodeDatabase(other, "other.dat");
    ASSERT_TRUE(CheckMergeCompatible(open, otherBytes));
    ASSERT_EQ(MergeDatabase(open, otherBytes, "other.dat"), MergeStatus::Merged);
    ASSERT_EQ(open.records.size(), 4u);
    EXPECT_EQ(open.records[0].Name, "mine");
    EXPECT_EQ(open.records[3].Name, "theirs 2");
    EXPECT_EQ(open.info[InfoOwner], "them");
    EXPECT_EQ(open.valueTrees[2], "Producer X\r\n");
}

TEST(Merge, DifferentLabelsOrPasswordsAreIncompatible) {
    Database open;
    Database other;
    other.labels[19] = "Cork";
    EXPECT_FALSE(CheckMergeCompatible(open, EncodeDatabase(other, "o.dat")));
    Database locked;
    locked.savePassword = Scramble("pw");
    EXPECT_FALSE(CheckMergeCompatible(open, EncodeDatabase(locked, "o.dat")));
    open.records.push_back(ItemRecord{});
    EXPECT_EQ(MergeDatabase(open, EncodeDatabase(locked, "o.dat"), "o.dat"), MergeStatus::Incompatible);
    EXPECT_EQ(open.records.size(), 1u);
}

TEST(Merge, AFileThatFailsMidwayChangesNothing) {
    Database open;
    open.records.push_back(ItemRecord{});
    open.info[InfoOwner] = "me";
    Database other;
    other.info[InfoOwner] = "them";
    for (int i = 0; i < 5; ++i) other.records.push_back(ItemRecord{});
    std::string otherBytes = EncodeDatabase(other, "o.dat");
    otherBytes.resize(otherBytes.size() - 20);
    EXPECT_EQ(MergeDatabase(open, otherBytes, "o.dat"), MergeStatus::ReadError);
    EXPECT_EQ(open.records.size(), 1u);
    EXPECT_EQ(open.info[InfoOwner], "me");
}

TEST(IngredientsBlock, CellsRoundTripWithLineBreaksAndCommas) {
    IngredientsTable table;
    table.cells = {{0, 0, "Ingredients"}, {3, 0, "Notes"}, {0, 1, "Flour, plain"}, {3, 1, "line one\r\nline two"}};
    std::string block = EncodeIngredients(table);
    EXPECT_EQ(block, "4,100\r\n0,0,Ingredients\r\n3,0,Notes\r\n0,1,Flour, plain\r\n3,1,line one\t\bline two\r\n");
    IngredientsTable back = DecodeIngredients(block);
    EXPECT_EQ(back.columns, 4);
    EXPECT_EQ(back.rows, 100);
    EXPECT_EQ(back.cells, table.cells);
}

TEST(IngredientsBlock, TabsStayTabsWithoutABackspace) {
    IngredientsTable back = DecodeIngredients("2,5\r\n1,2,a\tb\r\ngarbage\r\n");
    EXPECT_EQ(back.columns, 2);
    EXPECT_EQ(back.rows, 5);
    ASSERT_EQ(back.cells.size(), 1u);
    EXPECT_EQ(back.cells[0].text, "a\tb");
    EXPECT_TRUE(DecodeIngredients("").cells.empty());
}
