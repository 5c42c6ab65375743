#include <gtest/gtest.h>

#include "storage/database_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

using namespace vorlane;
using vorlane::testing::Slurp;
using vorlane::testing::Spill;
using vorlane::testing::TempFolder;

namespace {

Database Cellar(int records, std::size_t nameLength) {
    Database db;
    db.info[InfoDatabaseName] = "cellar";
    for (int i = 0; i < records; ++i) {
        db.records.emplace_back();
        db.records.back().Name = std::string(nameLength, static_cast<char>('a' + i % 26));
    }
    return db;
}

}  // namespace

TEST(DatabaseSizeTest, SizesMatchWhatTheWriterWrites) {
    // Every kind of value at the lengths where its encoding changes.
    Database db = Cellar(0, 0);
    db.valueTrees[0] = "France\r\n\tBordeaux\r\n";
    db.notes = {"a note", std::string(300, 'n')};
    for (std::size_t length : {0, 1, 255, 256, 70000}) {
        ItemRecord r;
        r.Name = std::string(length, 'x');
        r.Details[3] = std::string(length / 2, 'd');
        r.Ingredients = std::string(length, 'i');
        r.NoteLists[1] = {std::string(length, 'k'), "b"};
        r.Links = {std::string(length, 'l')};
        r.Images[5].Title = std::string(length, 't');
        db.records.push_back(r);
        EXPECT_EQ(EncodedDatabaseSize(db), EncodeDatabase(db, "c.dat").size()) << length;
    }
    const std::string other = EncodeDatabase(db, "c.dat");
    Database open = Cellar(300, 40);
    Database merged = open;
    ASSERT_EQ(MergeDatabase(merged, other, "other.dat"), MergeStatus::Merged);
    const std::size_t mergedSize = EncodeDatabase(merged, "c.dat").size();
    EXPECT_GE(MergedDatabaseSize(open, other), mergedSize);
    EXPECT_LE(MergedDatabaseSize(open, other), mergedSize + 3);
}

TEST(DatabaseSizeTest, SaveAndMergeBeyondTheLimitAreRefusedAndChangeNothing) {
    TempFolder folder;
    const std::string path = folder.file("cellar.dat");
    Spill(path, "the old file");
    Database db = Cellar(50, 100);
    db.info[InfoDatabaseName].clear();
    const std::size_t size = EncodeDatabase(db, path).size();
    db.info[InfoDatabaseName].clear();

    FileResult refused = SaveDatabaseFile(db, path, false, size - 1);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, DatabaseSizeProblem(size, size - 1) + "  Nothing was saved.");
    EXPECT_EQ(DatabaseSizeProblem(1234567, 1000000),
              "The database would take 1,234,567 bytes, more than the 1,000,000 bytes a database file may hold.");
    EXPECT_EQ(Slurp(path), "the old file");
    EXPECT_EQ(db.info[InfoDatabaseName], "");
    ASSERT_TRUE(SaveDatabaseFile(db, path, false, size).ok);

    Database open = Cellar(50, 100);
    const std::string other = Slurp(path);
    const std::size_t mergedSize = MergedDatabaseSize(open, other);
    EXPECT_EQ(MergeDatabase(open, other, path, mergedSize - 1), MergeStatus::TooLarge);
    EXPECT_EQ(open.records.size(), 50u);
    EXPECT_EQ(MergeDatabase(open, other, path, mergedSize), MergeStatus::Merged);
    EXPECT_EQ(open.records.size(), 100u);
}
