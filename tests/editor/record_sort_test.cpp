#include <gtest/gtest.h>

#include <random>

#include "editor/record_sort.h"
#include "storage/fields.h"
#include "support/comma_locale.h"

using namespace vorlane;

namespace {
RecordList withDetail(int detail, std::vector<std::string> values) {
    RecordList records;
    for (std::size_t i = 0; i < values.size(); ++i) {
        ItemRecord r;
        r.Name = std::to_string(i);
        r.Details[static_cast<std::size_t>(detail)] = values[i];
        records.push_back(r);
    }
    return records;
}
std::vector<std::string> column(const RecordList& records, int detail) {
    std::vector<std::string> out;
    for (const auto& r : records) out.push_back(r.Details[static_cast<std::size_t>(detail)]);
    return out;
}

// The exchange sort the order must match.
void referenceSort(RecordList& records, int key) {
    std::size_t end = records.size();
    while (end > 1) {
        bool exchanged = false;
        for (std::size_t i = 0; i + 1 < end; ++i)
            if (CompareForSort(records[i], records[i + 1], key) > 0) {
                std::swap(records[i], records[i + 1]);
                exchanged = true;
            }
        if (!exchanged) break;
        --end;
    }
}
}  // namespace

TEST(RecordSort, PaidSortsByNumberAndTextFieldsByText) {
    RecordList paid = withDetail(1, {"10", "9.50", ""});
    SortRecords(paid, 12);
    EXPECT_EQ(column(paid, 1), (std::vector<std::string>{"", "9.50", "10"}));
    RecordList text = withDetail(0, {"10", "9.50", ""});
    SortRecords(text, 11);
    EXPECT_EQ(column(text, 0), (std::vector<std::string>{"", "10", "9.50"}));
    RecordList money = withDetail(8, {"$1,200.50", "-5", "n/a", "1.2.3"});
    SortRecords(money, 19);
    EXPECT_EQ(column(money, 8), (std::vector<std::string>{"n/a", "-5", "1.2.3", "$1,200.50"}));
}

TEST(RecordSort, TextFoldsOnlyAsciiLettersAndShorterPrefixesComeFirst) {
    RecordList records;
    for (const char* n : {"banana", "Apple", "apple", "\xC9" "clair", "app", "Zebra", "_under"}) {
        ItemRecord r;
        r.Name = n;
        records.push_back(r);
    }
    SortRecords(records, 21);
    std::vector<std::string> names;
    for (const auto& r : records) names.push_back(r.Name);
    // '_' (95) sorts after 'Z' (90) once a-z are taken as A-Z; 0xC9 sorts last.
    EXPECT_EQ(names, (std::vector<std::string>{"app", "Apple", "apple", "banana", "Zebra", "_under", "\xC9" "clair"}));
}

TEST(RecordSort, DescriptionsSortByTheWholePath) {
    RecordList records(3);
    records[0].Description(1) = "Pauillac : Bordeaux : France";
    records[1].Description(1) = "Barolo : Piemonte : Italy";
    records[2].Description(1) = "Margaux : Bordeaux : France";
    SortRecords(records, 1);
    EXPECT_EQ(records[0].Description(1), "Barolo : Piemonte : Italy");
    EXPECT_EQ(records[2].Description(1), "Pauillac : Bordeaux : France");
}

TEST(RecordSort, MatchesTheExchangeSortOnRandomLists) {
    std::mt19937 rng(99);
    const char* values[] = {"", "a", "A", "b", "10", "9.5", "$3", "ab", "Ab", "1.2.3"};
    for (int key : {1, 5, 11, 12, 13, 19, 20, 21, 0, 99}) {
        RecordList records;
        for (int i = 0; i < 200; ++i) {
            ItemRecord r;
            r.Id = std::to_string(i);
            r.Name = values[rng() % 10];
            for (auto& d : r.Details) d = values[rng() % 10];
            for (auto& d : r.Descriptions) d = values[rng() % 10];
            records.push_back(r);
        }
        RecordList expected = records;
        referenceSort(expected, key);
        std::vector<std::size_t> order = SortRecords(records, key);
        ASSERT_EQ(order.size(), 200u);
        for (std::size_t i = 0; i < records.size(); ++i) ASSERT_EQ(records[i].Id, expected[i].Id) << "key " << key;
    }
}

TEST(RecordSort, EmptyAndSingleListsStay) {
    RecordList none;
    EXPECT_TRUE(SortRecords(none, 21).empty());
    RecordList one(1);
    one[0].Name = "x";
    SortRecords(one, 3);
    EXPECT_EQ(one[0].Name, "x");
}

TEST(RecordSort, MenuFollowsTheLabels) {
    LabelTable labels = DefaultLabels();
    labels[10] = "Country";
    auto menu = SortMenu(labels);
    ASSERT_EQ(menu.size(), 21u);
    EXPECT_EQ(menu[0].caption, "Sort by Country");
    EXPECT_EQ(menu[0].key, 1);
    EXPECT_EQ(menu[11].caption, "Sort by Paid");
    EXPECT_EQ(menu[11].key, 12);
    EXPECT_EQ(menu[20].caption, "Sort by Name");
    EXPECT_EQ(menu[20].key, 21);
}

TEST(RecordSort, MoneyOrderIgnoresTheSystemLocale) {
    vorlane::testing::CommaLocale comma;
    ASSERT_TRUE(comma.active());
    RecordList records = withDetail(1, {"9.99", "$9.50", "9.7", "10"});
    SortRecords(records, SortKeyOfDetail(1));
    EXPECT_EQ(column(records, 1), (std::vector<std::string>{"$9.50", "9.7", "9.99", "10"}));
}
