#include <gtest/gtest.h>

#include <random>

#include "storage/fields.h"
#include "storage/new_record.h"
#include "storage/scramble.h"

using namespace vorlane;

TEST(Labels, DefaultsKeepTheirGenericGaps) {
    LabelTable labels = DefaultLabels();
    EXPECT_EQ(labels[0], "Winery");
    EXPECT_EQ(labels[5], "Detail 6");
    EXPECT_EQ(labels[7], "Detail 8");
    EXPECT_EQ(labels[9], "Quantity");
    EXPECT_EQ(labels[14], "Rarity");
    EXPECT_EQ(labels[15], "Description 5");
    EXPECT_EQ(labels[19], "Description 9");
}

TEST(FieldCodes, NamesAndIndexes) {
    LabelTable labels = DefaultLabels();
    EXPECT_EQ(FieldName(150, labels), "Bottle Size");
    EXPECT_EQ(FieldName(50, labels), "Rarity");
    EXPECT_EQ(FieldIndex(150), 14);
    EXPECT_EQ(FieldIndex(50), 4);
    EXPECT_EQ(FieldName(10, labels), "Region");
    EXPECT_EQ(FieldName(200, labels), "Quantity");
    EXPECT_EQ(FieldName(210, labels), "Status");
    EXPECT_EQ(FieldName(220, labels), "Record #");
    EXPECT_EQ(FieldName(230, labels), "Name");
    EXPECT_EQ(FieldName(290, labels), "Image Six");
    EXPECT_EQ(FieldName(-1, labels), "");
    EXPECT_EQ(FieldName(55, labels), "");
}

TEST(FieldCodes, SpreadsheetColumnLists) {
    ColumnList def = DefaultSpreadsheetColumns();
    EXPECT_EQ(def[0], 220);
    EXPECT_EQ(def[1], 230);
    EXPECT_EQ(def[2], 10);
    EXPECT_EQ(def[21], 200);
    EXPECT_EQ(def[22], 210);
    EXPECT_EQ(def[28], 290);
    EXPECT_EQ(def[29], -1);
    EXPECT_EQ(def[50], -1);
    ColumnList reset = ResetSpreadsheetColumns();
    EXPECT_EQ(reset[22], 240);
    EXPECT_EQ(reset[27], 290);
    EXPECT_EQ(reset[28], -1);
}

TEST(StatusText, FirstFlagWins) {
    ItemRecord r;
    EXPECT_EQ(StatusText(r), "");
    r.Untested = true;
    EXPECT_EQ(StatusText(r), "Untested");
    r.Tested = true;
    EXPECT_EQ(StatusText(r), "Tested");
    r.Favorite = true;
    EXPECT_EQ(StatusText(r), "Favorite");
}

TEST(NumericValue, KeepsDigitsAndTheLastPoint) {
    EXPECT_EQ(NumericValue(""), "0");
    EXPECT_EQ(NumericValue("abc"), "0");
    EXPECT_EQ(NumericValue("$1,234.50"), "1234.50");
    EXPECT_EQ(NumericValue("1.2.3"), "12.3");
    EXPECT_EQ(NumericValue("12.5 kg"), "12.5");
    EXPECT_EQ(NumericValue("1.000,50"), "1.00050");
}

TEST(NewRecord, KeysAreEightCharactersWithoutNine) {
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        std::string key = NewRecordKey(rng);
        ASSERT_EQ(key.size(), 8u);
        for (char c : key) ASSERT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '8')) << key;
    }
    // Keys made back to back differ.
    EXPECT_NE(NewRecordKey(), NewRecordKey());
}

TEST(NewRecord, DefaultNameFillsTheFirstGap) {
    RecordList records(2);
    records[0].Name = "Untitled 1";
    records[1].Name = "Untitled 3";
    EXPECT_EQ(DefaultRecordName(records), "Untitled 2");
    records[1].Name = "untitled 2";
    EXPECT_EQ(DefaultRecordName(records), "Untitled 2");
    EXPECT_EQ(DefaultRecordName({}), "Untitled 1");
}

TEST(NewRecord, InitialValues) {
    ItemRecord r = MakeNewRecord({}, "2026/12/08");
    EXPECT_EQ(r.Name, "Untitled 1");
    EXPECT_EQ(r.Details[1], "0");
    EXPECT_EQ(r.Details[2], "2026/12/08");
    EXPECT_EQ(r.Details[3], "2026");
    EXPECT_EQ(r.Details[8], "0");
    EXPECT_EQ(r.Details[9], "01");
    EXPECT_EQ(r.Details[0], "");
    EXPECT_EQ(r.Images[5].Title, "Untitled 6");
    EXPECT_EQ(r.Images[0].FileName, "");
    EXPECT_FALSE(r.ReadOnly || r.Favorite || r.Tested || r.Untested);
    EXPECT_EQ(TodayText().size(), 10u);
}

TEST(Scramble, RoundTripsAndIsDeterministic) {
    std::string all;
    for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
    for (const std::string& text : {std::string(), std::string("a"), std::string(255, 'p'), all}) {
        std::string scrambled = Scramble(text);
        EXPECT_EQ(scrambled.size(), text.size());
        EXPECT_EQ(Unscramble(scrambled), text);
    }
    EXPECT_EQ(Scramble("secret"), Scramble("secret"));
    EXPECT_NE(Scramble("secret"), "secret");
}

TEST(Scramble, FirstByteUsesTheStartStateAndChangesRunForward) {
    // 5738 >> 8 == 22
    EXPECT_EQ(static_cast<unsigned char>(Scramble("A")[0]), 'A' ^ 22);
    std::string a = Scramble("password");
    std::string b = Scramble("passXord");
    EXPECT_EQ(a.substr(0, 4), b.substr(0, 4));
    for (std::size_t i = 4; i < a.size(); ++i) EXPECT_NE(a[i], b[i]) << i;
}
