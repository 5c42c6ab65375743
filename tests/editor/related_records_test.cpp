#include <gtest/gtest.h>

#include "editor/related_records.h"

using namespace vorlane;

namespace {
RecordList typed(std::vector<std::string> types) {
    RecordList records;
    for (std::size_t i = 0; i < types.size(); ++i) {
        ItemRecord r;
        r.Name = "w" + std::to_string(i);
        r.Description(2) = types[i];
        records.push_back(r);
    }
    return records;
}
std::vector<std::size_t> indexes(const std::vector<PickItem>& items) {
    std::vector<std::size_t> out;
    for (const auto& i : items) out.push_back(i.index);
    return out;
}
}  // namespace

TEST(RelatedRecords, PrimaryComparesTheTopOfThePathBlankIncluded) {
    RecordList records = typed({"Merlot : Red : Grape", "Cabernet : Red : Grape", "Grape", "merlot : red : GRAPE"});
    // Primary for description 2 is key 15, complete is key 10.
    EXPECT_EQ(indexes(FindRelated(records, 0, 15)), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(indexes(FindRelated(records, 0, 10)), (std::vector<std::size_t>{3}));
    EXPECT_TRUE(FindRelated(records, 2, 15).empty());
}

TEST(RelatedRecords, EmptyValuesAndSameNamesAreListedByIndex) {
    RecordList records = typed({"", "Red", "", ""});
    records[2].Name = records[3].Name = "Twin";
    auto items = FindRelated(records, 0, 10);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].index, 2u);
    EXPECT_EQ(items[1].index, 3u);
    EXPECT_EQ(items[1].name, "Twin");
}

TEST(RelatedRecords, DetailsAndStatus) {
    RecordList records(3);
    records[0].Details[0] = "Ch\xE2teau X";
    records[1].Details[0] = "CH\xC2TEAU x";  // only A-Z fold: \xC2 is not \xE2
    records[2].Details[0] = "ch\xE2teau x";
    EXPECT_EQ(indexes(FindRelated(records, 0, 100)), (std::vector<std::size_t>{2}));
    records[1].Favorite = true;
    EXPECT_EQ(indexes(FindRelated(records, 0, 200)), (std::vector<std::size_t>{2}));
}

TEST(RelatedRecords, MenuCaptions) {
    auto menu = RelatedMenu(DefaultLabels());
    ASSERT_EQ(menu.size(), 31u);
    EXPECT_EQ(menu[0].caption, "Display records with the same Primary \"Region\"");
    EXPECT_EQ(menu[0].key, 5);
    EXPECT_EQ(menu[19].caption, "Display records with the same Complete \"Description 9\"");
    EXPECT_EQ(menu[19].key, 90);
    EXPECT_EQ(menu[21].caption, "Display records with the same Paid");
    EXPECT_EQ(menu[21].key, 110);
    EXPECT_EQ(menu[30].caption, "Status");
    EXPECT_EQ(menu[30].key, 200);
}
