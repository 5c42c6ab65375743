#include "support/test_cellars.h"

#include <gtest/gtest.h>

#include "storage/database_file.h"
#include "storage/new_record.h"
#include "storage/safe_file.h"
#include "storage/scramble.h"

namespace vorlane::testing {

Database CellarOf(const std::vector<std::string>& names) {
    Database db;
    for (const std::string& name : names) {
        ItemRecord record = MakeNewRecord(db.records, "2024/05/06");
        record.Name = name;
        db.records.push_back(std::move(record));
    }
    return db;
}

void WriteCellar(const std::string& path, Database db, const std::string& readPassword,
                 const std::string& savePassword) {
    db.readPassword = Scramble(readPassword);
    db.savePassword = Scramble(savePassword);
    FileResult written = SaveDatabaseFile(db, path);
    ASSERT_TRUE(written.ok) << written.error;
}

Database ReadCellar(const std::string& path) {
    std::string bytes;
    FileResult read = ReadWholeFile(path, bytes);
    EXPECT_TRUE(read.ok) << read.error;
    Database db;
    EXPECT_EQ(DecodeDatabase(bytes, path, db), ReadStatus::Loaded) << path;
    return db;
}

}  // namespace vorlane::testing
