#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "search/search_list.h"
#include "search_test_support.h"
#include "storage/database_file.h"
#include "storage/safe_file.h"

using namespace vorlane;
using vorlane::testing_support::Wine;

namespace {

RecordList Wines(int n) {
    RecordList list;
    for (int i = 1; i <= n; ++i) list.push_back(Wine("w" + std::to_string(i)));
    return list;
}

std::string Flags(const RecordList& records) {
    std::string out;
    for (const auto& r : records) out += r.OnSearchList ? (r.PreviouslyListed ? 'B' : 'L') : (r.PreviouslyListed ? 'P' : '-');
    return out;
}

std::string NamesOf(const RecordList& records) {
    std::string out;
    for (const auto& r : records) out += r.Name + " ";
    return out;
}

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        path = std::filesystem::temp_directory_path() / ("vorlane_search_" + std::to_string(::getpid()) + "_" +
                                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

}  // namespace

TEST(RecordRange, FlagsPositionsAndMarksListedOnesPreviouslyListed) {
    RecordList wines = Wines(6);
    wines[2].OnSearchList = true;   // listed, not previously
    wines[3].PreviouslyListed = true;  // previously, not listed
    RangeAddResult result = AddRecordRange(wines, 2, 4);
    EXPECT_EQ(Flags(wines), "-LBL--");
    EXPECT_EQ(result.message, "Records 2 to 4 have been added to the Search List.");
    EXPECT_EQ(result.currentIndex, 0);
}

TEST(RecordRange, BackwardsOrOutsideRangesAddNothingButStillReport) {
    RecordList wines = Wines(6);
    RangeAddResult backwards = AddRecordRange(wines, 5, 3);
    EXPECT_EQ(Flags(wines), "------");
    EXPECT_EQ(backwards.message, "Records 5 to 3 have been added to the Search List.");

    RangeAddResult beyond = AddRecordRange(wines, 0, 99);  // clipped to the list
    EXPECT_EQ(Flags(wines), "LLLLLL");
    EXPECT_EQ(beyond.message, "Records 0 to 99 have been added to the Search List.");
}

TEST(SearchListClear, ClearsBothFlagsOfEveryRecord) {
    RecordList wines = Wines(3);
    AddRecordRange(wines, 1, 3);
    wines[1].BrowseMatch = true;
    EXPECT_EQ(ClearSearchList(wines), "Search List Cleared");
    EXPECT_EQ(Flags(wines), "---");
    EXPECT_TRUE(wines[1].BrowseMatch);
    EXPECT_EQ(CountSearchList(wines), 0u);
}

TEST(RemoveFromDatabase, AsksFirstAndStopsOnNo) {
    RecordList wines = Wines(3);
    wines[1].OnSearchList = true;
    std::vector<std::string> asked;
    RemoveResult no = RemoveSearchListRecords(wines, 1, [&](const std::string& q) {
        asked.push_back(q);
        return false;
    });
    EXPECT_EQ(asked, std::vector<std::string>{
                         "All Search List Records will be removed.  Are you sure you want to continue ?"});
    EXPECT_FALSE(no.removed);
    EXPECT_EQ(no.message, "");
    EXPECT_EQ(no.currentIndex, 1);
    EXPECT_EQ(wines.size(), 3u);
}

TEST(RemoveFromDatabase, RemovesListedRecordsAndFollowsTheCurrentOne) {
    RecordList wines = Wines(6);
    for (int i : {0, 2, 3}) wines[static_cast<std::size_t>(i)].OnSearchList = true;
    RemoveResult result = RemoveSearchListRecords(wines, 4, [](const std::string&) { return true; });
    EXPECT_TRUE(result.removed);
    EXPECT_EQ(result.count, 3u);
    EXPECT_EQ(result.message, "3 records have been removed from the Database.");
    EXPECT_EQ(NamesOf(wines), "w2 w5 w6 ");
    EXPECT_EQ(result.currentIndex, 1);  // w5 is still current
}

TEST(RemoveFromDatabase, CurrentRemovedMovesToTheNextSurvivorOrTheLast) {
    RecordList wines = Wines(5);
    for (int i : {2, 3}) wines[static_cast<std::size_t>(i)].OnSearchList = true;
    RemoveResult next = RemoveSearchListRecords(wines, 2, [](const std::string&) { return true; });
    EXPECT_EQ(NamesOf(wines), "w1 w2 w5 ");
    EXPECT_EQ(next.currentIndex, 2);

    RecordList tail = Wines(5);
    for (int i : {3, 4}) tail[static_cast<std::size_t>(i)].OnSearchList = true;
    RemoveResult last = RemoveSearchListRecords(tail, 4, [](const std::string&) { return true; });
    EXPECT_EQ(NamesOf(tail), "w1 w2 w3 ");
    EXPECT_EQ(last.currentIndex, 2);

    RecordList none = Wines(2);
    none[0].OnSearchList = true;
    RemoveResult unset = RemoveSearchListRecords(none, -1, [](const std::string&) { return true; });
    EXPECT_EQ(unset.currentIndex, 0);
}

TEST(RemoveFromDatabase, NeverRemovesTheLastRecord) {
    RecordList wines = Wines(4);
    AddRecordRange(wines, 1, 4);
    RemoveResult result = RemoveSearchListRecords(wines, 3, [](const std::string&) { return true; });
    ASSERT_EQ(wines.size(), 1u);
    EXPECT_EQ(wines[0].Name, "w4");
    EXPECT_EQ(result.count, 3u);
    EXPECT_EQ(result.message, "3 records have been removed from the Database.");
    EXPECT_EQ(result.currentIndex, 0);

    RecordList single = Wines(1);
    single[0].OnSearchList = true;
    RemoveResult nothing = RemoveSearchListRecords(single, 0, [](const std::string&) { return true; });
    EXPECT_EQ(single.size(), 1u);
    EXPECT_EQ(nothing.message, "0 records have been removed from the Database.");
    EXPECT_EQ(nothing.currentIndex, 0);
}

TEST(Extract, WritesOnlyListedRecordsAndLeavesTheDatabaseAlone) {
    TempDir dir;
    Database db;
    db.records = Wines(5);
    db.records[1].OnSearchList = true;
    db.records[3].OnSearchList = true;
    db.records[3].Details[0] = "Winery Four";
    const std::string target = dir.file("extract.dat");

    std::vector<FileChooserOptions> opened;
    SearchPrompts prompts;
    prompts.chooseSaveFile = [&](const FileChooserOptions& options) {
        opened.push_back(options);
        return target;
    };
    prompts.askYesNo = [](const std::string&) -> bool { ADD_FAILURE() << "nothing to overwrite"; return false; };
    ExtractResult result = ExtractSearchList(db, true, prompts);
    EXPECT_TRUE(result.written);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.message, "Extract Sucessful !");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].title, "Extract and Save Searched Records As");
    EXPECT_EQ(opened[0].filter, "Vorlane File|*.dat");
    EXPECT_EQ(opened[0].defaultExtension, ".dat");

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes).ok);
    Database back;
    ASSERT_EQ(DecodeDatabase(bytes, target, back), ReadStatus::Loaded);
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[0].Name, "w2");
    EXPECT_EQ(back.records[1].Name, "w4");
    EXPECT_EQ(back.records[1].Details[0], "Winery Four");
    EXPECT_EQ(back.info[InfoDatabaseName], "extract.dat");

    // The open database keeps its records, flags and (empty) name.
    EXPECT_EQ(db.records.size(), 5u);
    EXPECT_EQ(CountSearchList(db.records), 2u);
    EXPECT_EQ(db.info[InfoDatabaseName], "");
}

TEST(Extract, AsksBeforeOverwritingAndChoosesAgainOnNo) {
    TempDir dir;
    const std::string taken = dir.file("taken.dat");
    const std::string fresh = dir.file("fresh.dat");
    { std::ofstream(taken) << "old"; }
    Database db;
    db.records = Wines(2);
    db.records[0].OnSearchList = true;

    std::vector<std::string> answers{taken, fresh};
    std::vector<std::string> questions;
    SearchPrompts prompts;
    prompts.chooseSaveFile = [&](const FileChooserOptions&) {
        std::string next = answers.front();
        answers.erase(answers.begin());
        return next;
    };
    prompts.askYesNo = [&](const std::string& q) {
        questions.push_back(q);
        return false;
    };
    ExtractResult result = ExtractSearchList(db, true, prompts);
    EXPECT_EQ(questions, std::vector<std::string>{taken + " already exists.  Do you want to overwrite it ?"});
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.path, fresh);
    std::string old;
    ASSERT_TRUE(ReadWholeFile(taken, old).ok);
    EXPECT_EQ(old, "old");

    // Yes overwrites.
    answers = {taken};
    prompts.askYesNo = [](const std::string&) { return true; };
    EXPECT_TRUE(ExtractSearchList(db, true, prompts).written);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(taken, bytes).ok);
    Database back;
    ASSERT_EQ(DecodeDatabase(bytes, taken, back), ReadStatus::Loaded);
    EXPECT_EQ(back.records.size(), 1u);
}

TEST(Extract, NothingListedCancelledOrNoPermission) {
    TempDir dir;
    Database db;
    db.records = Wines(2);
    int chooserCalls = 0;
    SearchPrompts prompts;
    prompts.chooseSaveFile = [&](const FileChooserOptions&) {
        ++chooserCalls;
        return dir.file("x.dat");
    };
    ExtractResult empty = ExtractSearchList(db, true, prompts);
    EXPECT_FALSE(empty.written);
    EXPECT_EQ(empty.message, "");
    EXPECT_EQ(chooserCalls, 0);

    db.records[0].OnSearchList = true;
    SearchPrompts cancel;
    cancel.chooseSaveFile = [](const FileChooserOptions&) { return std::string(); };
    EXPECT_EQ(ExtractSearchList(db, true, cancel).message, "");

    ExtractResult refused = ExtractSearchList(db, false, prompts);
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(refused.message, "Sorry, you do not have permission to save this file.");
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.dat")));
}

TEST(Extract, AFailedWriteSaysSoInsteadOfSuccess) {
    Database db;
    db.records = Wines(1);
    db.records[0].OnSearchList = true;
    SearchPrompts prompts;
    prompts.chooseSaveFile = [](const FileChooserOptions&) { return std::string("/nonexistent-dir/x/extract.dat"); };
    ExtractResult result = ExtractSearchList(db, true, prompts, [](const std::string&) { return false; });
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.error);
    EXPECT_FALSE(result.message.empty());
    EXPECT_NE(result.message, "Extract Sucessful !");
}
