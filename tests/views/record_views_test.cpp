#include <gtest/gtest.h>

#include "editor/record_commands.h"
#include "storage/picture_path.h"
#include "views/album_pages.h"
#include "views/column_chooser.h"
#include "views/record_browse.h"
#include "views/spreadsheet_cells.h"
#include "views/spreadsheet_columns.h"

namespace vorlane {
namespace {

const std::array<std::string, 3> kCaptions{"Favorite", "Tested", "Untested"};

ItemRecord Wine(std::string region, bool favorite = false, bool tested = false, bool untested = false) {
    ItemRecord r;
    r.Description(1) = std::move(region);
    r.Favorite = favorite;
    r.Tested = tested;
    r.Untested = untested;
    return r;
}

TEST(RecordBrowseTest, BrowseValuesByCode) {
    RecordList records{Wine("Pauillac : Bordeaux : France", true, false, true), Wine("Medoc : Bordeaux : France"),
                       Wine("Napa", false, true), Wine("")};
    struct Case { int code; std::vector<std::string> list; };
    for (const Case& c : {Case{5, {"France", "Napa"}},
                          Case{0, {"Pauillac : Bordeaux : France", "Medoc : Bordeaux : France", "Napa"}},
                          Case{200, {"Untested", "Tested"}},  // the last set flag wins
                          Case{kNoBrowseCode, {}}})
        EXPECT_EQ(BrowseList(records, c.code, kCaptions), c.list) << c.code;
    EXPECT_EQ(StatusText(records[0]), "Favorite");

    const std::string france = "France";
    MarkBrowseMatches(records, 5, &france, kCaptions);
    EXPECT_EQ(FillRows(records, kSelectedRecords), (std::vector<int>{0, 1}));

    auto entries = BrowseByEntries(DefaultLabels(), "Status");
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[0], (BrowseByEntry{"Primary \"Region\" Category", 5}));
    EXPECT_EQ(entries[11], (BrowseByEntry{"Complete \"Type\" Category", 10}));
    EXPECT_EQ(BrowseCodeOf(entries, "Vintage"), 130);
    EXPECT_EQ(BrowseCodeOf(entries, "nothing"), kNoBrowseCode);
}

TEST(RecordBrowseTest, EachModeShowsItsRecords) {
    RecordList records(4);
    records[1].OnSearchList = records[3].OnSearchList = true;
    records[2].BrowseMatch = true;
    EXPECT_EQ(FillRows(records, kAllRecords), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(FillRows(records, kSearchListRecords), (std::vector<int>{1, 3}));
    EXPECT_EQ(FillRows(records, kSelectedRecords), (std::vector<int>{2}));
}

TEST(SpreadsheetColumnsTest, MovingAColumnCarriesItsWidth) {
    ColumnList columns = DefaultSpreadsheetColumns();
    ColumnWidths widths = DefaultColumnWidths();
    widths[1] = 50;
    MoveColumn(columns, widths, 1, 0);  // the name to the front
    EXPECT_EQ(columns[0], kNameCode);
    EXPECT_EQ(columns[1], kRecordNumberCode);
    EXPECT_EQ(widths[0], 50);
    MoveColumn(columns, widths, 0, 28);
    EXPECT_EQ(columns[28], kNameCode);
    EXPECT_EQ(columns[27], ImageCode(6));
    EXPECT_EQ(ShownColumns(columns).size(), 29u);

    columns.fill(kNoField);
    columns[0] = kNameCode;
    columns[2] = DetailCode(3);
    EXPECT_EQ(ViewFieldsText(columns, DefaultLabels()), "Name++Vintage");
}

TEST(ColumnChooserTest, ListRules) {
    ColumnChooser chooser(DefaultSpreadsheetColumns(), DefaultLabels());
    ASSERT_EQ(chooser.fields().size(), 29u);
    for (int e = 0; e < kChooserMenuSize; ++e) EXPECT_FALSE(chooser.menuEnabled(e)) << e;
    EXPECT_EQ(chooser.menu()[21], (ChooserEntry{"Record #", kRecordNumberCode}));
    EXPECT_EQ(chooser.menu()[10].caption, "Winery");

    chooser.Remove(0);  // "Record #"
    EXPECT_TRUE(chooser.menuEnabled(21));
    chooser.Add(21);
    chooser.Add(21);  // disabled now: listed once only
    EXPECT_EQ(chooser.Columns()[28], kRecordNumberCode);
    EXPECT_EQ(chooser.Columns()[29], kNoField);

    const auto before = chooser.fields();
    EXPECT_EQ(chooser.MoveUp(5), 5);
    EXPECT_EQ(chooser.fields()[4], before[5]);
    chooser.MoveUp(5);
    EXPECT_EQ(chooser.fields(), before);
    EXPECT_EQ(chooser.MoveDown(28), 28);  // already last
    EXPECT_EQ(chooser.fields(), before);

    while (chooser.fields().size() > 1) chooser.Remove(0);
    EXPECT_FALSE(chooser.removeEnabled());
    chooser.Remove(0);
    EXPECT_EQ(chooser.fields().size(), 1u);
}

TEST(AlbumPagesTest, Paging) {
    struct Case { int records, listed, mode, page, moreRows; std::string label; bool next, previous; int first; };
    for (const Case& c : {Case{9, 0, 1, 1, 0, "Page 1 of 1", false, false, 0},
                          Case{10, 0, 1, 1, 0, "Page 1 of 2", true, false, 0},
                          Case{10, 0, 2, 1, 0, "Page 0 of 0", false, false, -1},
                          Case{20, 20, 2, 3, 0, "Page 3 of 3", false, true, 18},
                          Case{20, 0, 1, 3, 1, "Page 2 of 2", false, true, 12}}) {
        RecordList records(static_cast<std::size_t>(c.records));
        for (int i = 0; i < c.listed; ++i) records[static_cast<std::size_t>(i)].OnSearchList = true;
        AlbumPages pages;
        pages.RaiseToFirstPage();
        for (int p = 1; p < c.page; ++p) pages.Next();
        if (c.moreRows) pages.MoreRows();
        pages.Build(records, c.mode);
        EXPECT_EQ(pages.PageLabel(), c.label) << c.records;
        EXPECT_EQ(pages.nextEnabled(), c.next) << c.label;
        EXPECT_EQ(pages.previousEnabled(), c.previous) << c.label;
        EXPECT_EQ(pages.RecordAt(0, 0), c.first) << c.label;
    }
    AlbumPages pages;
    for (int i = 0; i < 12; ++i) pages.MoreRows();
    EXPECT_EQ(pages.SizeLabel(), "9 X 3");
    EXPECT_FALSE(pages.MoreRows());
}

TEST(AlbumPagesTest, SelectedRecordsAreTheBrowsePanelsMatchesCaptionedSo) {
    RecordList records(5);
    records[1].OnSearchList = true;
    records[3].BrowseMatch = records[4].BrowseMatch = true;
    AlbumPages pages;
    pages.RaiseToFirstPage();
    pages.Build(records, kSelectedRecords);
    EXPECT_EQ(pages.RecordAt(0, 0), 3);
    EXPECT_EQ(pages.RecordAt(1, 0), 4);
    EXPECT_EQ(pages.PageLabel(), "Page 1 of 1");
    EXPECT_EQ(AlbumCaption(kSelectedRecords), "Album View (Selected Records)");
    EXPECT_EQ(AlbumCaption(kSearchListRecords), "Album View (Searched Records)");
}

TEST(AlbumPagesTest, CellsAndPlacement) {
    EXPECT_EQ(AlbumCellSide(300, 3), 98);
    EXPECT_EQ(AlbumCellSide(10, 4), 0);   // 2.5 rounds to 2
    EXPECT_EQ(AlbumCellSide(14, 4), 2);   // 3.5 rounds to 4
    struct Case { int pw, ph; bool autoSize, label, placeholder; AlbumDraw draw; };
    // A picture larger than the cell is scaled down whole, proportions kept, never up.
    for (const Case& c : {Case{200, 50, false, false, false, {{0, 0, 200, 50}, {0, 0, 100, 25}}},
                          Case{200, 50, false, true, false, {{0, 0, 200, 50}, {0, 20, 100, 25}}},
                          Case{4032, 3024, false, false, false, {{0, 0, 4032, 3024}, {0, 0, 100, 75}}},
                          Case{100, 400, false, false, false, {{0, 0, 100, 400}, {0, 0, 20, 80}}},
                          Case{60, 40, false, false, false, {{0, 0, 60, 40}, {0, 0, 60, 40}}},
                          Case{105, 105, false, false, true, {{0, 0, 105, 105}, {0, 0, 100, 80}}},
                          Case{30, 30, true, true, false, {{0, 0, 30, 30}, {0, 20, 100, 60}}}})
        EXPECT_EQ(AlbumPlacement(c.pw, c.ph, 100, 80, c.autoSize, c.label, c.placeholder), c.draw) << c.pw;
    ItemRecord chablis;
    chablis.Name = "Chablis";
    EXPECT_EQ(AlbumLabel(chablis, 6), "7: Chablis");
}

TEST(SpreadsheetCellsTest, EditingRules) {
    struct Case { int code; CellEdit edit; bool menu; };
    for (const Case& c : {Case{10, CellEdit::DescriptionMenu, true}, Case{110, CellEdit::None, true},
                          Case{130, CellEdit::Typed, false}, Case{210, CellEdit::StatusMenu, true},
                          Case{220, CellEdit::None, true}, Case{230, CellEdit::Typed, false},
                          Case{250, CellEdit::PictureMenu, true}}) {
        ItemRecord record;
        EXPECT_EQ(CellEditOf(c.code), c.edit) << c.code;
        EXPECT_EQ(MenuFlag(record, c.code), c.menu) << c.code;
        record.ReadOnly = true;
        EXPECT_FALSE(MenuFlag(record, c.code)) << c.code;
        EXPECT_FALSE(AcceptTypedText(record, c.code, "x")) << c.code;
    }
    ItemRecord record;
    record.Details[3] = "2015 (late)";
    EXPECT_EQ(EditorText(record, DetailCode(3)), "2015");
    EXPECT_TRUE(AcceptTypedText(record, DetailCode(2), "2020/01/02"));
    EXPECT_EQ(CellText(record, 4, DetailCode(2), false), "2020/01/02");
    EXPECT_EQ(CellText(record, 4, kRecordNumberCode, false), "5");
    SetStatusFlag(record, 3);
    EXPECT_EQ(CellText(record, 0, kStatusCode, false), "Untested");
    record.OnSearchList = true;
    EXPECT_EQ(HighlightColour(record, true), RowColour::Yellow);
    EXPECT_EQ(EmptyGridStatus(3), "No Records are Selected");
}

TEST(RecordNumberBoxTest, KeepsInsideTheList) {
    struct Case { std::string text; std::optional<int> index; };
    for (const Case& c : {Case{"0", 0}, Case{" 3 ", 2}, Case{"99", 9}, Case{"-99999999999999999999", 0},
                          Case{"3a", std::nullopt}, Case{"", std::nullopt}})
        EXPECT_EQ(RecordIndexFromText(c.text, 10), c.index) << c.text;
}

TEST(PicturePathTest, RelativeNamesLiveBesideTheDatabase) {
    struct Case { std::string name, database, path; };
    for (const Case& c : {Case{"labels/a.png", "/cellar/wine.dat", "/cellar/labels/a.png"},
                          Case{"/abs/a.png", "/cellar/wine.dat", "/abs/a.png"},
                          Case{"C:\\pics\\a.jpg", "/cellar/wine.dat", "C:\\pics\\a.jpg"},
                          Case{"a.png", "", "a.png"}, Case{"", "/cellar/wine.dat", ""}})
        EXPECT_EQ(ResolvePicturePath(c.name, c.database), c.path) << c.name;
}

}  // namespace
}  // namespace vorlane
