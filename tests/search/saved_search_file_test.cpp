#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

#include "search/saved_search_file.h"
#include "search/search_session.h"
#include "search_test_support.h"
#include "storage/fields.h"
#include "storage/safe_file.h"

using namespace vorlane;
using vorlane::testing_support::AddSearchTerm;
using vorlane::testing_support::Wine;

namespace {

const LabelTable kLabels = DefaultLabels();
const SearchCaptions kCaptions;

// File bytes straight from the layout table, without the writer.
struct Bytes {
    std::string out;
    Bytes& raw(std::initializer_list<int> values) {
        for (int v : values) out.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& str(const std::string& s) {
        raw({6, static_cast<int>(s.size())});
        out += s;
        return *this;
    }
    Bytes& small(int n) { return raw({2, n & 0xFF}); }  // -128 ... 127
    Bytes& freeSlot(int type = 0) { return str("").str("").small(type).small(-1); }
};

SearchTerms Loaded(const std::string& bytes, bool* ok = nullptr) {
    SearchTerms terms;
    bool result = DecodeSavedSearch(bytes, terms, kLabels, kCaptions);
    if (ok) *ok = result;
    return terms;
}

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        path = std::filesystem::temp_directory_path() / ("vorlane_srh_" + std::to_string(::getpid()) + "_" +
                                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

}  // namespace

TEST(SavedSearchFile, OneNameTermIsLaidOutValueByValue) {
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "ch");

    Bytes expected;
    expected.raw({2, 2});                              // R = 2
    expected.raw({6, 8}).out += "Includes";            // row 1: "Type" cell
    expected.raw({6, 2}).out += "ch";                  //        "Value" cell
    expected.raw({2, 1});                              //        row link
    expected.raw({6, 2}).out += "ch";                  // slot 1: value
    expected.raw({6, 0});                              //         high value
    expected.raw({2, 1});                              //         type
    expected.raw({3, 210, 0});                         //         code 210 needs 16 bits
    for (int s = 2; s <= 50; ++s) expected.raw({6, 0, 6, 0, 2, 0, 2, 0xFF});  // "", "", 0, -1
    const std::string written = EncodeSavedSearch(terms);
    ASSERT_EQ(written.size(), expected.out.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(static_cast<unsigned char>(written[i]), static_cast<unsigned char>(expected.out[i])) << "byte " << i;
}

TEST(SavedSearchFile, AfterNewSearchHoldsOneEmptyRowAndFiftyFreeSlots) {
    SearchSession session;
    AddSearchTerm(session.terms, kSearchName, kTypeDoesNotInclude, "ch");
    ASSERT_TRUE(session.NewSearch([](const std::string&) { return true; }));
    Bytes expected;
    expected.small(2).str("").str("").small(-1);
    expected.str("").str("").small(2).small(-1);  // slot 1 keeps the removed term's type
    for (int s = 2; s <= 50; ++s) expected.freeSlot();
    EXPECT_EQ(EncodeSavedSearch(session.terms), expected.out);
}

TEST(SavedSearchFile, RoundTripKeepsRowsSlotsAndFreeSlotLeftovers) {
    SearchTerms terms;
    AddSearchTerm(terms, SearchFieldOfDescription(1), kTypeIncludes, "Bordeaux : France");
    AddSearchTerm(terms, SearchFieldOfDetail(3), kTypeDoesNotInclude, "1990", "1995");
    AddSearchTerm(terms, kSearchName, kTypeIncludes, std::string(300, 'n'));  // long text form
    AddSearchTerm(terms, kSearchIngredients, kTypeIncludes, "yeast");
    terms.RemoveTerm(0);
    terms.AddTerm();  // a row with link 0
    terms.mutableSlot(40).code = kFreeSlot;
    terms.mutableSlot(40).value = "leftover";
    terms.mutableSlot(40).type = 2;

    bool ok = false;
    SearchTerms back = Loaded(EncodeSavedSearch(terms), &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(back.criteria(), terms.criteria());
    EXPECT_EQ(back.rows(), terms.rows());
    ASSERT_EQ(back.rows().size(), 4u);
    EXPECT_EQ(back.rows()[0].field, "Vintage");
    EXPECT_EQ(back.rows()[0].value, "1990 < 1995");
    EXPECT_EQ(back.rows()[3].link, 0);
}

TEST(SavedSearchFile, LoadedRowsTakeTheCaptionOfTheirSlotsField) {
    // The first row uses slot 3, as after earlier terms were removed; another
    // row has no criterion and a stale field text.
    Bytes file;
    file.small(4);
    file.str("Includes").str("oak").small(3);
    file.str("Does Not Include").str("").small(-1);
    file.str("Includes").str("Tested").small(1);
    file.str("Tested").str("").small(1).raw({3, 200, 0});
    file.freeSlot();
    file.str("oak").str("").small(1).raw({3, 220, 0});
    for (int s = 4; s <= 50; ++s) file.freeSlot();

    SearchCaptions captions;
    captions.notes[0] = "Tags";
    SearchTerms terms;
    terms.mutableRows()[0].field = "stale";
    ASSERT_TRUE(DecodeSavedSearch(file.out, terms, kLabels, captions));
    ASSERT_EQ(terms.rows().size(), 3u);
    EXPECT_EQ(terms.rows()[0], (TermRow{"Tags", "Includes", "oak", 3}));
    EXPECT_EQ(terms.rows()[1], (TermRow{"", "Does Not Include", "", -1}));
    EXPECT_EQ(terms.rows()[2], (TermRow{"Status", "Includes", "Tested", 1}));

    // The loaded terms search for their stored texts.
    RecordList wines{Wine("a"), Wine("b")};
    wines[0].NoteLists[0] = {"Oak"};
    wines[0].Tested = true;
    wines[1].Tested = true;
    RunSearch(wines, terms, captions);
    EXPECT_TRUE(wines[0].OnSearchList);
    EXPECT_FALSE(wines[1].OnSearchList);

    // Fields in use are disabled after loading.
    auto menu = terms.FieldMenu(kLabels, captions);
    for (const auto& e : menu)
        if (e.number == 200 || e.number == 220) {
            EXPECT_FALSE(e.enabled) << e.number;
        }
}

TEST(SavedSearchFile, TextWhereAnIntegerBelongsStopsTheLoad) {
    Bytes file;
    file.small(3);
    file.str("Includes").str("ch").small(1);
    file.str("Includes").str("x").str("oops");  // row link as text
    for (int s = 1; s <= 50; ++s) file.freeSlot();
    bool ok = true;
    SearchTerms terms = Loaded(file.out, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(terms.rows().size(), 2u);
    EXPECT_EQ(terms.rows()[0], (TermRow{"", "Includes", "ch", 1}));  // slot 1 was never read: no caption
    EXPECT_EQ(terms.rows()[1], (TermRow{"", "Includes", "x", -1}));
    for (const auto& slot : terms.criteria()) EXPECT_EQ(slot.code, kFreeSlot);

    TempDir dir;
    const std::string path = dir.file("bad.srh");
    { std::ofstream(path, std::ios::binary) << file.out; }
    SearchTerms fromDisk;
    EXPECT_EQ(LoadSearchFile(path, fromDisk, kLabels, kCaptions),
              "Selected search file is invalid.  No search loaded.");
    EXPECT_EQ(fromDisk.rows().size(), 2u);
}

TEST(SavedSearchFile, CutShortAtEveryByteLoadsThePrefix) {
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "ch");
    AddSearchTerm(terms, kSearchStatus, kTypeIncludes, "Favorite");
    const std::string full = EncodeSavedSearch(terms);
    for (std::size_t n = 0; n < full.size(); ++n) {
        bool ok = true;
        SearchTerms cut = Loaded(full.substr(0, n), &ok);
        ASSERT_FALSE(ok) << n;
        ASSERT_GE(cut.rows().size(), 1u) << n;
        ASSERT_LE(cut.rows().size(), 2u) << n;
        // Whatever was read agrees with the whole file, and nothing else survives.
        for (int s = 1; s <= kSlotCount; ++s) {
            const SearchRecord& got = cut.slot(s);
            if (got.code != kFreeSlot) {
                ASSERT_EQ(got, terms.slot(s)) << n;
            }
        }
        // A row only shows a field once its slot's code was read.
        for (const auto& row : cut.rows()) ASSERT_TRUE(row.field.empty() || row.field == "Name" || row.field == "Status");
    }
    // The two full slots come back once their last value is in.
    EXPECT_EQ(Loaded(full.substr(0, full.size() - 1)).slot(2), terms.slot(2));
}

TEST(SavedSearchFile, RandomBytesNeverCrash) {
    std::mt19937 rng(20240611);
    int loaded = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string bytes(rng() % 64, '\0');
        for (char& c : bytes) c = static_cast<char>(rng() % 14);  // mostly plausible tags
        if (i % 3 == 0 && bytes.size() > 1) bytes[0] = 2;
        bool ok = true;
        SearchTerms terms = Loaded(bytes, &ok);
        loaded += ok ? 1 : 0;
        ASSERT_GE(terms.rows().size(), 1u);
        // Whatever came in, the grid stays usable.
        terms.FieldMenu(kLabels, kCaptions);
        terms.AddTerm();
        RecordList wines{Wine("x")};
        RunSearch(wines, terms, kCaptions);
    }
    EXPECT_EQ(loaded, 0);  // none of these is long enough to hold fifty slots
}

TEST(SavedSearchFile, MoreTermRowsThanTheGridHoldsAreRefusedUnread) {
    struct Case {
        int gridRows;  // header included
        int rowsWritten;
        bool ok;
    } cases[] = {{51, 50, true}, {52, 51, false}, {300000, 299999, false}, {0x7FFFFFFF, 1, false}};
    for (const Case& c : cases) {
        Bytes file;
        file.raw({4, c.gridRows & 0xFF, (c.gridRows >> 8) & 0xFF, (c.gridRows >> 16) & 0xFF, c.gridRows >> 24});
        for (int n = 0; n < c.rowsWritten; ++n) file.str("Includes").str("x").small(-1);
        for (int s = 0; s < kSlotCount; ++s) file.freeSlot();
        bool ok = !c.ok;
        SearchTerms terms = Loaded(file.out, &ok);
        EXPECT_EQ(ok, c.ok) << c.gridRows;
        EXPECT_EQ(terms.rows().size(), c.ok ? std::size_t(c.rowsWritten) : 1u) << c.gridRows;
    }
}

TEST(SavedSearchFile, MissingFileKeepsTheCurrentSearch) {
    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "ch");
    const SearchTerms before = terms;
    EXPECT_EQ(LoadSearchFile("/nonexistent/vorlane.srh", terms, kLabels, kCaptions),
              "Selected search file is invalid.  No search loaded.");
    EXPECT_EQ(terms.rows(), before.rows());
}

TEST(SearchSessionFiles, SaveLoadAndNewSearchThroughPrompts) {
    TempDir dir;
    const std::string path = dir.file("terms.srh");
    SearchSession session;
    AddSearchTerm(session.terms, kSearchName, kTypeIncludes, "ch");

    std::vector<FileChooserOptions> chosen;
    std::vector<std::string> questions;
    bool answer = true;
    SearchPrompts prompts;
    prompts.chooseSaveFile = [&](const FileChooserOptions& options) {
        chosen.push_back(options);
        return path;
    };
    prompts.chooseOpenFile = prompts.chooseSaveFile;
    prompts.askYesNo = [&](const std::string& q) {
        questions.push_back(q);
        return answer;
    };

    EXPECT_EQ(session.SaveSearch(prompts), "Search Saved.");
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].filter, "Database Search File|*.srh");
    EXPECT_EQ(chosen[0].defaultExtension, "srh");
    EXPECT_TRUE(questions.empty());  // saving replaces without asking
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes).ok);
    EXPECT_EQ(bytes, EncodeSavedSearch(session.terms));

    SearchSession other;
    RecordList wines{Wine("Chablis")};
    other.Search(wines, kCaptions);  // nothing to find: no result message
    wines[0].OnSearchList = false;
    answer = false;
    EXPECT_EQ(other.LoadSearch(prompts, kLabels, kCaptions), "");
    EXPECT_EQ(other.terms.rows().size(), 1u);
    EXPECT_EQ(other.terms.rows()[0].link, -1);
    answer = true;
    EXPECT_EQ(other.LoadSearch(prompts, kLabels, kCaptions), "");
    EXPECT_EQ(questions.back(), "Existing search will be cleared.  Are you sure you want to continue ?");
    EXPECT_EQ(other.terms.rows()[0], (TermRow{"Name", "Includes", "ch", 1}));

    SearchOutcome found = other.Search(wines, kCaptions);
    EXPECT_EQ(found.newRecords, 1);
    EXPECT_EQ(other.resultMessage(), "1 new record was found during the previous search.");

    // "New Search": No keeps everything; Yes empties terms and message, not the list.
    answer = false;
    EXPECT_FALSE(other.NewSearch(prompts.askYesNo));
    EXPECT_EQ(other.terms.rows()[0].link, 1);
    answer = true;
    EXPECT_TRUE(other.NewSearch(prompts.askYesNo));
    EXPECT_EQ(other.terms.rows(), std::vector<TermRow>{TermRow{}});
    EXPECT_EQ(other.terms.slot(1).code, kFreeSlot);
    EXPECT_EQ(other.terms.slot(1).value, "");
    EXPECT_EQ(other.resultMessage(), "");
    EXPECT_TRUE(wines[0].OnSearchList);

    // The spreadsheet takes the result message once.
    other.terms = session.terms;
    wines[0].OnSearchList = false;
    other.Search(wines, kCaptions);
    EXPECT_EQ(other.TakeResultMessage(), "1 new record was found during the previous search.");
    EXPECT_EQ(other.resultMessage(), "");
}

TEST(SearchSessionFiles, SaveFailureAndCancelledChooser) {
    SearchSession session;
    SearchPrompts prompts;
    prompts.chooseSaveFile = [](const FileChooserOptions&) { return std::string("/nonexistent-dir/x/t.srh"); };
    EXPECT_EQ(session.SaveSearch(prompts), "A problem was encountered.  Search was not saved.  Please try again.");
    prompts.chooseSaveFile = [](const FileChooserOptions&) { return std::string(); };
    EXPECT_EQ(session.SaveSearch(prompts), "");
}
