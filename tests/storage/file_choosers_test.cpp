#include <gtest/gtest.h>

#include <filesystem>

#include "storage/file_choosers.h"
#include "storage/same_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace vorlane::testing {
namespace {

TEST(FileChoosersTest, TheDefaultExtensionLooksAtTheFileNameOnly) {
    struct Case { const char* typed; const char* extension; const char* named; };
    for (const Case& c : {Case{"/home/j.smith/cellar-report", "htm", "/home/j.smith/cellar-report.htm"},
                          Case{"/home/j.smith/cellar", ".dat", "/home/j.smith/cellar.dat"},
                          Case{"/home/js/cellar.old", ".dat", "/home/js/cellar.old"},
                          Case{"cellar", "", "cellar"}})
        EXPECT_EQ(WithDefaultExtension(c.typed, c.extension), c.named) << c.typed;
}

TEST(SameFileTest, OneFileWhateverTheNameOrLink) {
    TempFolder folder;
    const std::string db = folder.file("cellar.dat"), other = folder.file("other.dat");
    Spill(db, "x");
    Spill(other, "x");
    std::filesystem::create_symlink(db, folder.file("link.dat"));
    std::filesystem::create_hard_link(db, folder.file("hard.dat"));
    EXPECT_TRUE(SameFile(folder.file("link.dat"), db));
    EXPECT_TRUE(SameFile(folder.file("hard.dat"), db));
    EXPECT_TRUE(SameFile(folder.file("./cellar.dat"), db));
    EXPECT_FALSE(SameFile(other, db));
    EXPECT_FALSE(SameFile(folder.file("new.htm"), db));  // not there yet
    const std::vector<std::string> inputs{other, db};
    ASSERT_NE(InputNamedBy(folder.file("link.dat"), inputs), nullptr);
    EXPECT_EQ(*InputNamedBy(folder.file("link.dat"), inputs), db);
    EXPECT_EQ(InputNamedBy(folder.file("new.htm"), inputs), nullptr);
}

}  // namespace
}  // namespace vorlane::testing
