#include "cellar/drinking_window.h"

#include <gtest/gtest.h>

#include "support/test_cellars.h"

namespace vorlane {
namespace {

constexpr int kFrom = 6, kTo = 7, kBoth = 5;

// One record a row: its name, years as typed and quantity.
struct Wine {
    std::string name, from, to, quantity = "01";
};

Database CellarWith(const std::vector<Wine>& wines, bool oneField = false) {
    std::vector<std::string> names;
    for (const Wine& w : wines) names.push_back(w.name);
    Database db = testing::CellarOf(names);
    if (oneField) {
        db.labels[kBoth] = "drink window";
    } else {
        db.labels[kFrom] = "DRINK FROM";
        db.labels[kTo] = "Drink to";
    }
    for (std::size_t i = 0; i < wines.size(); ++i) {
        ItemRecord& r = db.records[i];
        r.Details[9] = wines[i].quantity;
        if (oneField) {
            r.Details[kBoth] = wines[i].from;
        } else {
            r.Details[kFrom] = wines[i].from;
            r.Details[kTo] = wines[i].to;
        }
    }
    return db;
}

TEST(DrinkStatusTest, EdgesOfTheWindow) {
    struct Case {
        const char* what;
        Wine wine;
        bool oneField;
        int year;
        const char* status;  // nullptr: out of the cellar, neither counted nor listed
        long long bottles;
    };
    const Case cases[] = {
        {"a year before From", {"a", "2026", "2030"}, false, 2025, "Too Young", 1},
        {"Y = From", {"a", "2026", "2030"}, false, 2026, "Ready", 1},
        {"the year before To", {"a", "2026", "2030"}, false, 2029, "Ready", 1},
        {"Y = To", {"a", "2026", "2030"}, false, 2030, "Drink Now", 1},
        {"after To", {"a", "2026", "2030"}, false, 2031, "Past", 1},
        {"a one-year window", {"a", "2026", "2026"}, false, 2026, "Drink Now", 1},
        {"only From, long after", {"a", "2026", ""}, false, 2090, "Ready", 1},
        {"only From, before it", {"a", "2026", ""}, false, 2025, "Too Young", 1},
        {"only To, before it", {"a", "", "2026"}, false, 1990, "Ready", 1},
        {"only To, at it", {"a", "", "2026"}, false, 2026, "Drink Now", 1},
        {"only To, after it", {"a", "", "2026"}, false, 2027, "Past", 1},
        {"From after To", {"a", "2031", "2030"}, false, 2030, "Unknown", 1},
        {"no years", {"a", "", ""}, false, 2026, "Unknown", 1},
        {"not four digits", {"a", "26", "20300"}, false, 2026, "Unknown", 1},
        {"a word beside the year", {"a", "from 2026", "2030 "}, false, 2026, "Ready", 1},
        {"one field with a hyphen", {"a", "2026-2034", ""}, true, 2034, "Drink Now", 1},
        {"one field with an en dash", {"a", "2026 \x96 2034", ""}, true, 2025, "Too Young", 1},
        {"one field with a blank", {"a", " 2026 2034 ", ""}, true, 2035, "Past", 1},
        {"one field with one year", {"a", "2026", ""}, true, 2026, "Unknown", 1},
        {"one field with two dashes", {"a", "2026--2034", ""}, true, 2026, "Unknown", 1},
        {"quantity counts bottles", {"a", "2020", "2030", "12"}, false, 2026, "Ready", 12},
        {"a quantity that is no number", {"a", "2020", "2030", "a few"}, false, 2026, "Ready", 1},
        {"quantity 0 left the cellar", {"a", "2020", "2030", "00"}, false, 2026, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Database db = CellarWith({c.wine}, c.oneField);
        DrinkReport report = MakeDrinkReport(db, c.year);
        long long counted = 0;
        for (long long n : report.counts) counted += n;
        if (!c.status) {
            EXPECT_EQ(counted, 0);
            EXPECT_TRUE(report.list.empty());
            continue;
        }
        DrinkStatus status = StatusIn(ReadDrinkYears(db.records[0], FindDrinkYearDetails(db.labels)), c.year);
        EXPECT_EQ(DrinkStatusText(status), c.status);
        // Unknown counts the record, the others its bottles.
        EXPECT_EQ(report.count(status), status == DrinkStatus::Unknown ? 1 : c.bottles);
        EXPECT_EQ(counted, report.count(status));
        const bool listed = status == DrinkStatus::Ready || status == DrinkStatus::DrinkNow || status == DrinkStatus::Past;
        EXPECT_EQ(report.list.size(), listed ? 1u : 0u);
        EXPECT_EQ(report.check.size(), std::string(c.what) == "From after To" ? 1u : 0u);
    }
}

TEST(DrinkStatusTest, LabelsAreFoundWhateverTheirCaseAndTheirAbsenceIsSaid) {
    Database db = testing::CellarOf({"a"});
    EXPECT_FALSE(FindDrinkYearDetails(db.labels).found());
    db.labels[3] = "drink window";
    EXPECT_EQ(FindDrinkYearDetails(db.labels).both, 3);
    RelabelDrinkYears(db.labels, 5, 6);
    EXPECT_EQ(db.labels[5], "Drink From");
    EXPECT_EQ(db.labels[6], "Drink To");
    DrinkYearDetails found = FindDrinkYearDetails(db.labels);
    EXPECT_EQ(found.from, 5);
    EXPECT_EQ(found.to, 6);
    EXPECT_EQ(found.both, -1);
    EXPECT_EQ(RelabelQuestion(DefaultLabels(), 5, 6),
              "Rename \"Detail 6\" to \"Drink From\" and \"Detail 7\" to \"Drink To\"?");
}

TEST(DrinkOrderTest, PastFirstThenDrinkNowThenReadyEndingSoonest) {
    // In 2026, listed as names in urgency order.
    Database db = CellarWith({
        {"ready open-ended", "2020", ""},
        {"ready to 2030, from 2024", "2024", "2030"},
        {"past 2025", "2010", "2025"},
        {"drink now", "2020", "2026"},
        {"ready to 2028", "2025", "2028"},
        {"past 2019", "2012", "2019"},
        {"ready to 2030, from 2022", "2022", "2030"},
        {"too young", "2027", "2035"},
        {"ready to 2030, from 2022, later record", "2022", "2030"},
        {"drink now, no From", "", "2026"},
        {"ready open-ended, earlier From", "2018", ""},
    });
    DrinkReport report = MakeDrinkReport(db, 2026);
    std::vector<std::string> order;
    for (const DrinkEntry& e : report.list) order.push_back(db.records[e.index].Name);
    EXPECT_EQ(order, (std::vector<std::string>{"past 2019", "past 2025", "drink now, no From", "drink now",
                                               "ready to 2028", "ready to 2030, from 2022",
                                               "ready to 2030, from 2022, later record", "ready to 2030, from 2024",
                                               "ready open-ended, earlier From", "ready open-ended"}));

    ListOnSearchList(db.records, report);
    db.records[7].OnSearchList = true;  // already listed: taken off
    ListOnSearchList(db.records, report);
    for (std::size_t i = 0; i < db.records.size(); ++i)
        EXPECT_EQ(db.records[i].OnSearchList, i != 7) << db.records[i].Name;
}

TEST(DrinkSeriesTest, SixteenYearsOfBottlesByWhereTheyStand) {
    Database db = CellarWith({
        {"3 bottles 2028-2030", "2028", "2030", "03"},
        {"2 bottles from 2040", "2040", "", "02"},
        {"1 bottle to 2026", "", "2026", "01"},
        {"5 bottles from before to after", "2000", "2060", "05"},
        {"not counted", "2031", "2030", "04"},
    });
    DrinkReport report = MakeDrinkReport(db, 2026);
    ASSERT_EQ(report.ahead.size(), 16u);
    EXPECT_EQ(report.ahead.front().year, 2026);
    EXPECT_EQ(report.ahead.back().year, 2041);
    struct Row {
        int year;
        long long tooYoung, inWindow, past;
    };
    const Row rows[] = {
        {2026, 3 + 2, 1 + 5, 0}, {2027, 3 + 2, 5, 1},  {2028, 2, 3 + 5, 1},   {2030, 2, 3 + 5, 1},
        {2031, 2, 5, 3 + 1},     {2039, 2, 5, 3 + 1},  {2040, 0, 2 + 5, 3 + 1}, {2041, 0, 2 + 5, 3 + 1},
    };
    for (const Row& row : rows) {
        const YearAhead& a = report.ahead[static_cast<std::size_t>(row.year - 2026)];
        EXPECT_EQ(a.tooYoung, row.tooYoung) << row.year;
        EXPECT_EQ(a.inWindow, row.inWindow) << row.year;
        EXPECT_EQ(a.past, row.past) << row.year;
    }
    // The first year of the series agrees with the counts of that year.
    EXPECT_EQ(report.ahead[0].tooYoung, report.count(DrinkStatus::TooYoung));
    EXPECT_EQ(report.ahead[0].inWindow, report.count(DrinkStatus::Ready) + report.count(DrinkStatus::DrinkNow));
    EXPECT_EQ(report.ahead[0].past, report.count(DrinkStatus::Past));
}

}  // namespace
}  // namespace vorlane
