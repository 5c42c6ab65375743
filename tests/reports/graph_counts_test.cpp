#include "reports/graph_counts.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

constexpr int kType = 2;

ItemRecord Wine(const std::string& type, const std::string& paid, const std::string& value, const std::string& qty) {
    ItemRecord r;
    r.Description(kType) = type;
    r.Details[1] = paid;
    r.Details[8] = value;
    r.Details[9] = qty;
    return r;
}

Database Cellar(const std::string& typeTree, const std::string& quantityLabel = "Quantity") {
    Database db;
    db.valueTrees[kType - 1] = typeTree;
    db.labels[9] = quantityLabel;
    db.records = {
        Wine("Merlot : Red", "$10.50", "20", "2"),
        Wine("White", "4", "5.25", "x"),  // not a whole number: one bottle
        Wine("red", "1", "1", " 3 "),
        Wine("", "100", "100", "1"),       // no value: counts nowhere
        Wine("Red : Other", "100", "100", "1"),
        Wine("Merlot : Red", ".", "1.", "1"),  // a lone point adds nothing
    };
    return db;
}

TEST(GraphCounts, CountsChildrenByPathEndingAndWeightsSums) {
    struct Case {
        const char* tree;
        const char* quantityLabel;
        NodeIndex node;
        std::vector<std::string> captions;
        std::vector<int> counts;
        const char* paid;
        const char* value;
    };
    const Case cases[] = {
        {"Red\r\n\tMerlot\r\nWhite\r\n", "Quantity", {1}, {"Red", "White"}, {3, 1}, "28.00", "49.25"},
        {"Red\r\n\tMerlot\r\nWhite\r\n", "Bottles", {1}, {"Red", "White"}, {3, 1}, "15.50", "27.25"},
        {"Red\r\n\tMerlot\r\nWhite\r\n", "Quantity", {1, 0}, {"Merlot"}, {2}, "21.00", "41.00"},
        {"Red\r\nRed\r\n", "Quantity", {1}, {"Red", "Red"}, {3, 3}, "48.00", "88.00"},
    };
    for (const Case& c : cases) {
        Database db = Cellar(c.tree, c.quantityLabel);
        auto counts = CountGraph(db, GraphTree(db), c.node);
        ASSERT_TRUE(counts) << c.tree;
        EXPECT_EQ(counts->captions, c.captions);
        EXPECT_EQ(counts->counts, c.counts) << c.tree << c.quantityLabel;
        EXPECT_EQ(FormatGraphSum(counts->paid), c.paid) << c.tree << c.quantityLabel;
        EXPECT_EQ(FormatGraphSum(counts->value), c.value) << c.tree << c.quantityLabel;
    }
}

TEST(GraphCounts, LeavesAndMissingNodesDrawNothing) {
    Database db = Cellar("Red\r\n\tMerlot\r\nWhite\r\n");
    ValueTree tree = GraphTree(db);
    EXPECT_EQ(tree[1].text, "Type");
    for (const NodeIndex& node : {NodeIndex{1, 1}, NodeIndex{1, 0, 0}, NodeIndex{0}, NodeIndex{1, 7}})
        EXPECT_FALSE(CountGraph(db, tree, node));
}

TEST(GraphCounts, FindsNodesByValuePath) {
    Database db = Cellar("Red\r\n\tMerlot\r\n\tShiraz\r\nWhite\r\n");
    ValueTree tree = GraphTree(db);
    struct Case {
        int k;
        const char* path;
        std::optional<NodeIndex> node;
    };
    const Case cases[] = {
        {2, "", NodeIndex{1}},          {2, "Shiraz : Red", NodeIndex{1, 0, 1}},
        {2, "White", NodeIndex{1, 1}},  {2, "Shiraz", std::nullopt},
        {2, "red", std::nullopt},       {11, "", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(FindGraphNode(tree, c.k, c.path), c.node) << c.path;
}

}  // namespace
}  // namespace vorlane
