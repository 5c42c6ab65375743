#include "exchange/cellar_import.h"

#include <gtest/gtest.h>

#include "exchange/cellar_export.h"
#include "storage/database_file.h"
#include "storage/safe_file.h"
#include "storage/value_tree.h"

namespace vorlane {
namespace {

// A new database as the program makes one: default labels and value trees.
Database NewDatabase() {
    Database db;
    for (int k = 1; k <= kDescriptionCount; ++k) {
        std::string text;
        ReadWholeFile(std::string(VORLANE_SOURCE_DIR) + "/data/description" + std::to_string(k) + ".def", text);
        db.valueTrees[static_cast<std::size_t>(k - 1)] = text;
    }
    return db;
}

struct Imported {
    CellarImportReport report;
    ImportPlan plan;
};

Imported Import(Database& db, const std::string& csv, bool newDatabase = true, const ImportProgress& progress = {}) {
    static const auto layouts = KnownLayouts();
    const DelimitedText text = ReadDelimitedText(csv, "in.csv");
    EXPECT_EQ(text.refusal, "");
    Imported out;
    out.plan = PlanImport(text, db.labels, layouts);
    out.report = ImportCellar(db, text, out.plan, newDatabase, progress);
    return out;
}

TEST(CellarImport, WebServiceListMapsAsTheTableSays) {
    Database db = NewDatabase();
    const std::string csv =
        "iWine,Type,Color,Category,Size,Currency,Value,Price,Quantity,Vintage,Wine,Locale,Producer,Varietal,Country,"
        "Region,SubRegion,Appellation,BeginConsume,EndConsume,PScore,CScore,PurchaseDate\r\n"
        "123,Red,Red,Dry,750ml,USD,\"1,234.5\",29.01,3,2015,Col Solare 2015,\"USA, Washington, Columbia Valley, Horse "
        "Heaven Hills\",Col Solare,Cabernet Sauvignon,USA,Washington,Columbia Valley,Horse Heaven Hills,2020,9999,92,"
        "95,4/7/2019\r\n"
        "124,White,White,Dry,1.5L,CHF,\"40,5\",\"11,0049\",120,1001,Blanc Sec,,Dom\xC3\xA4ne,,Switzerland,Valais,Unknown,"
        ",9999,2030,,88,\r\n";
    const Imported in = Import(db, csv);
    ASSERT_EQ(in.plan.layout->Name(), "web cellar service");
    ASSERT_EQ(in.report.error, "");
    EXPECT_EQ(ImportSummary(in.report), "2 records imported, 0 skipped");
    ASSERT_EQ(db.records.size(), 2u);
    const ItemRecord& a = db.records[0];
    EXPECT_EQ(a.Name, "Col Solare 2015");
    const std::array<std::string, kDetailCount> detailsA = {
        "Col Solare", "$29.01", "2019/04/07", "2015", "750ml", "2020", "", "", "$1,234.50", "03"};
    EXPECT_EQ(a.Details, detailsA);
    EXPECT_EQ(a.Description(1), "Horse Heaven Hills : Columbia Valley : Washington : USA");
    EXPECT_EQ(a.Description(2), "Cabernet Sauvignon : Red");
    EXPECT_EQ(a.Description(3), "Col Solare : USA");
    EXPECT_EQ(a.Description(4), "90-94 - Outstanding : Points");  // PScore, never CScore
    EXPECT_EQ(a.Links, std::vector<std::string>{"https://www.cellartracker.com/wine.asp?iWine=123"});
    EXPECT_EQ(db.labels[5], "Drink From");
    EXPECT_EQ(db.labels[6], "Drink To");

    const ItemRecord& b = db.records[1];
    const std::array<std::string, kDetailCount> detailsB = {
        "Dom\xE4ne", "CHF 11.00", "    /  /  ", "", "1.5L", "", "2030", "", "CHF 40.50", "120"};
    EXPECT_EQ(b.Details, detailsB);
    EXPECT_EQ(b.Description(1), "Valais : Switzerland");
    EXPECT_EQ(b.Description(2), "White");
    EXPECT_EQ(b.Description(4), "");
    EXPECT_TRUE(a.OnSearchList && b.OnSearchList);

    const std::vector<std::string> lines = ImportReportLines(in.report);
    const std::vector<std::string> expected = {
        "line 3: amount 11,0049 rounded to CHF 11.00",
        "line 3: vintage 1001 (non-vintage) left empty",
        "line 3: quantity 120 does not fit the field's two digits; kept as written",
        "line 3: \"Unknown\" left out of the region",
        "line 3: BeginConsume 9999 left empty",
        "line 2: EndConsume 9999 left empty",
    };
    for (const auto& e : expected) EXPECT_NE(std::find(lines.begin(), lines.end(), e), lines.end()) << e;

    // The new paths sit in the trees, reusing "USA" and "Washington" as they are spelled there.
    const std::string regions = db.valueTrees[0];
    EXPECT_NE(regions.find("\t\t\tHorse Heaven Hills\r\n"), std::string::npos);
}

TEST(CellarImport, EachKnownLayoutIsRecognisedAndMapped) {
    const struct {
        std::string csv, layout, name, vintage, region, quantity;
    } cases[] = {
        {"Winery,Wine name,Vintage,Region,Country,Regional wine style,Average rating,Wine type,Link to wine,User "
         "cellar count\n"
         "Pieropan,Soave Classico,2021,Soave,Italy,Italian Soave,3.9,White wine,https://example.org/w/1,2\n",
         "phone app cellar", "Pieropan Soave Classico", "2021", "Soave : Italy", "02"},
        {"Title,Producer,Appellation,Varietal,Vintage,Type,Country,Purchase Date,Purchase Price,Location,Quantity,"
         "Drink By,Rating,Comments\n"
         "Chablis 1er Cru,Fevre,Chablis,Chardonnay,2019,White,France,2022-03-01,31.5,Rack A,6,2028,91,crisp\n",
         "collection manager", "Chablis 1er Cru", "2019", "Chablis : France", "06"},
        {"Chablis 1er Cru;Fevre;Chablis;Chardonnay;2019;White;France;3/1/2022;31.5;Rack A;6;2028;91;crisp\n",
         "collection manager", "Chablis 1er Cru", "2019", "Chablis : France", "06"},
        {"NAME,vintage,R\xC3\xA9gion,Colour\nBarolo,2016,Piedmont,red\n", "columns named like the fields", "Barolo",
         "2016", "Piedmont", ""},
    };
    for (const auto& c : cases) {
        Database db = NewDatabase();
        const Imported in = Import(db, c.csv);
        ASSERT_NE(in.plan.layout, nullptr) << c.csv;
        EXPECT_EQ(in.plan.layout->Name(), c.layout);
        ASSERT_EQ(db.records.size(), 1u) << c.csv;
        EXPECT_EQ(db.records[0].Name, c.name);
        EXPECT_EQ(db.records[0].Details[3], c.vintage);
        EXPECT_EQ(db.records[0].Description(1), c.region);
        EXPECT_EQ(db.records[0].Details[9], c.quantity);
    }
}

TEST(CellarImport, SkipsDuplicatesReportsShortRowsAndCancelsCleanly) {
    Database db = NewDatabase();
    Import(db, "Name,Vintage,Bottle Size\nBarolo,2016,750ml\n");
    ASSERT_EQ(db.records.size(), 1u);
    const Imported again = Import(db, "Name,Vintage,Bottle Size\nbarolo,2016,750ML\nBarolo,2017,750ml\nshort,1\n", false);
    EXPECT_EQ(ImportSummary(again.report), "1 record imported, 1 skipped");
    const std::vector<std::string> lines = ImportReportLines(again.report);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "line 4: 2 fields where the header has 3: not imported"), lines.end());
    EXPECT_FALSE(db.records[0].OnSearchList);  // the search list holds what came in
    EXPECT_TRUE(db.records[1].OnSearchList);

    const Database before = db;
    const Imported cancelled = Import(db, "Name,Region\nNew,Far Away\n", false, [](std::size_t, std::size_t) { return false; });
    EXPECT_TRUE(cancelled.report.cancelled);
    EXPECT_EQ(db.records.size(), before.records.size());
    EXPECT_EQ(db.valueTrees, before.valueTrees);
    EXPECT_EQ(db.labels, before.labels);
}

TEST(CellarImport, ExportOfTheSampleCellarImportsBackTheSame) {
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(std::string(VORLANE_SOURCE_DIR) + "/data/sample/cellar.dat", bytes).ok);
    Database sample;
    ASSERT_EQ(DecodeDatabase(bytes, "cellar.dat", sample), ReadStatus::Loaded);
    const std::string csv = ExportAllRecords(sample);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBFName,Winery,Paid,"));

    Database back = NewDatabase();
    const Imported in = Import(back, csv);
    ASSERT_EQ(in.plan.layout->Name(), "Vorlane export");
    EXPECT_EQ(back.labels, sample.labels);
    ASSERT_EQ(back.records.size(), sample.records.size());
    for (std::size_t i = 0; i < sample.records.size(); ++i) {
        const ItemRecord& s = sample.records[i];
        const ItemRecord& r = back.records[i];
        EXPECT_EQ(r.Name, s.Name);
        EXPECT_EQ(r.Details, s.Details) << s.Name;
        EXPECT_EQ(r.Descriptions, s.Descriptions) << s.Name;
        EXPECT_EQ(r.NoteLists, s.NoteLists) << s.Name;
        EXPECT_EQ(r.Links, s.Links) << s.Name;
        EXPECT_EQ(std::tie(r.Favorite, r.Tested, r.Untested), std::tie(s.Favorite, s.Tested, s.Untested));
        for (std::size_t p = 0; p < r.Images.size(); ++p) EXPECT_EQ(r.Images[p].FileName, s.Images[p].FileName);
    }
    EXPECT_EQ(ExportAllRecords(back), csv);
}

TEST(CellarImport, ThePhoneAppsTastingHistoryIsNoCellar) {
    Database db = NewDatabase();
    const Imported in = Import(db, "Winery,Wine name,Vintage,Region,Country,Your rating,Scan date\nA,B,2019,C,D,4,2024\n");
    EXPECT_EQ(in.report.error, "This is the phone app's tasting history (full_wine_list.csv), not the wines in the "
                               "cellar: import its cellar.csv instead.");
    EXPECT_TRUE(db.records.empty());
}

TEST(CellarImport, ColumnChoicesSurviveTheSettingsText) {
    const std::vector<std::string> header = {"Wine", "Size", "odd=name"};
    const std::vector<ImportTarget> chosen = {{ImportTarget::Name, 0}, {ImportTarget::Detail, 7}, {ImportTarget::Links, 0}};
    std::vector<ImportTarget> targets(3), otherOrder(2);
    ApplyColumnChoices(EncodeColumnChoices(header, chosen), header, targets);
    EXPECT_EQ(targets[0], chosen[0]);
    EXPECT_EQ(targets[1], chosen[1]);
    EXPECT_EQ(targets[2], ImportTarget{});  // a name the text cannot hold is not kept
    ApplyColumnChoices(EncodeColumnChoices(header, chosen), {"Size", "Wine"}, otherOrder);
    EXPECT_EQ(otherOrder[0], chosen[1]);
}

}  // namespace
}  // namespace vorlane
