#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

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

TEST(DatabaseStartTest, AFileThatDoesNotBeginAsADatabaseIsNotReadWhole) {
    TempFolder folder;
    Database db = Cellar(200, 100);
    const std::string cellar = folder.file("cellar.dat");
    ASSERT_TRUE(SaveDatabaseFile(db, cellar).ok);
    const std::string whole = Slurp(cellar);

    std::string wrongName = whole;
    wrongName.replace(wrongName.find("Vorlane"), 7, "Vorlanf");
    struct Case {
        const char* name;
        std::string bytes;
        bool readWhole;
    };
    const Case cases[] = {
        {"database", whole, true},
        {"zeros", std::string(std::size_t{8} << 20, '\0'), false},
        {"wrong identification", wrongName, false},
        {"short file", "\x06\x04", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file("candidate");
        Spill(path, c.bytes);
        std::string bytes;
        ASSERT_TRUE(ReadDatabaseBytes(path, bytes).ok);
        if (c.readWhole)
            EXPECT_EQ(bytes, c.bytes);
        else
            EXPECT_LE(bytes.size(), 4096u);
        Database out;
        EXPECT_EQ(DecodeDatabase(bytes, path, out) == ReadStatus::Loaded, c.name == std::string("database"));
    }

    // Beyond the limit: refused as what it is, not read at all.
    const std::string huge = folder.file("huge");
    const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const bool sparse = ::ftruncate(fd, static_cast<off_t>(kMaxDatabaseBytes) * 2) == 0;
    ::close(fd);
    if (!sparse) GTEST_SKIP() << "no sparse file here";
    std::string bytes;
    ASSERT_TRUE(ReadDatabaseBytes(huge, bytes).ok);
    EXPECT_LE(bytes.size(), 4096u);
}
