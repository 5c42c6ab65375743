#include <gtest/gtest.h>

#include "storage/value_tree.h"

using namespace vorlane;

namespace {
std::string int32le(std::int32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i)));
    return s;
}
std::string itemRecord(const std::string& text, std::int32_t children) {
    return int32le(25 + static_cast<std::int32_t>(text.size())) + int32le(0) + int32le(0) + int32le(-1) +
           int32le(-1) + int32le(0) + int32le(children) + static_cast<char>(text.size()) + text;
}
std::string name(const std::string& s) { return static_cast<char>(s.size()) + s; }
}  // namespace

TEST(ValueTreeText, BuildsHierarchyFromTabs) {
    ValueTree tree = ParseTreeText("France\r\n\tBordeaux\r\n\t\tPauillac\r\n\tRh\xF4ne\r\nItaly\r\n");
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(tree[0].text, "France");
    ASSERT_EQ(tree[0].children.size(), 2u);
    EXPECT_EQ(tree[0].children[0].children[0].text, "Pauillac");
    EXPECT_EQ(tree[0].children[1].text, "Rh\xF4ne");
    EXPECT_EQ(tree[1].text, "Italy");
    EXPECT_EQ(TreeToText(tree), "France\r\n\tBordeaux\r\n\t\tPauillac\r\n\tRh\xF4ne\r\nItaly\r\n");
}

TEST(ValueTreeText, ToleratesInputTheProgramNeverWrites) {
    EXPECT_TRUE(ParseTreeText("").empty());
    // Too deep: hangs under the previous line. Bare LF line ends and no final line end.
    ValueTree tree = ParseTreeText("A\n\t\t\tB\nC");
    ASSERT_EQ(tree.size(), 2u);
    ASSERT_EQ(tree[0].children.size(), 1u);
    EXPECT_EQ(tree[0].children[0].text, "B");
    EXPECT_EQ(tree[1].text, "C");
    // Very deep input is capped, not recursed into without end.
    std::string deep;
    for (int i = 0; i < 5000; ++i) deep += std::string(static_cast<std::size_t>(i), '\t') + "x\r\n";
    ValueTree capped = ParseTreeText(deep);
    EXPECT_EQ(DecodeItemData(EncodeItemData(capped)), capped);
}

TEST(ValueTreeItemData, RedWithChildDryIs68Bytes) {
    ValueTree tree = ParseTreeText("Red\r\n\tDry\r\n");
    std::string expected = int32le(1) + itemRecord("Red", 1) + itemRecord("Dry", 0);
    EXPECT_EQ(expected.size(), 68u);
    EXPECT_EQ(EncodeItemData(tree), expected);
    EXPECT_EQ(TreeToText(DecodeItemData(expected)), "Red\r\n\tDry\r\n");
}

TEST(ValueTreeItemData, LongTextsAreCutTo255) {
    ValueTree tree{{std::string(300, 'z'), {}}};
    ValueTree back = DecodeItemData(EncodeItemData(tree));
    EXPECT_EQ(back[0].text, std::string(255, 'z'));
}

TEST(ValueTreeItemData, RecordSizeFindsTheEndOfEachItem) {
    // A record larger than its text: the reader skips the extra bytes.
    std::string padded = int32le(1) + int32le(30) + int32le(0) + int32le(0) + int32le(-1) + int32le(-1) +
                         int32le(0) + int32le(0) + "\x02" "Ab" "xxx";
    ValueTree tree = DecodeItemData(padded);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].text, "Ab");
}

TEST(ValueTreeItemData, HostileDataIsAReadError) {
    EXPECT_THROW(DecodeItemData(int32le(2000000000)), ReadError);
    EXPECT_THROW(DecodeItemData(int32le(-1)), ReadError);
    EXPECT_THROW(DecodeItemData(int32le(1) + itemRecord("Red", 1)), ReadError);  // child missing
    std::string tooSmall = int32le(1) + int32le(3) + std::string(30, '\0');
    EXPECT_THROW(DecodeItemData(tooSmall), ReadError);
    // A chain of single children deeper than any tree is refused.
    std::string chain = int32le(1);
    for (int i = 0; i < 1000; ++i) chain += itemRecord("x", 1);
    EXPECT_THROW(DecodeItemData(chain), ReadError);
    std::string full = EncodeItemData(ParseTreeText("A\r\n\tB\r\n\t\tC\r\nD\r\n"));
    for (std::size_t cut = 0; cut < full.size(); ++cut)
        EXPECT_THROW(DecodeItemData(full.substr(0, cut)), ReadError) << cut;
}

TEST(DescriptionTreeStream, EmptyTreeIsThe93ByteImage) {
    std::string expected = std::string("TPF0") + name("TTreeView") + name("DescriptionTree") + name("Left") +
                           "\x03\x68\x02" + name("Top") + "\x03\xA8\x01" + name("Width") + "\x02\x21" +
                           name("Height") + "\x02\x19" + name("Indent") + "\x02\x13" + name("TabOrder") +
                           std::string("\x02\x00", 2) + name("Visible") + "\x08" + std::string(2, '\0');
    ASSERT_EQ(expected.size(), 93u);
    ValueWriter w;
    WriteDescriptionTree(w, {});
    EXPECT_EQ(w.bytes(), expected);
    ValueReader r(expected);
    EXPECT_TRUE(ReadDescriptionTree(r).empty());
    EXPECT_TRUE(r.atEnd());
}

TEST(DescriptionTreeStream, ItemsDataFollowsVisible) {
    ValueTree tree = ParseTreeText("Red\r\n\tDry\r\n");
    ValueWriter w;
    WriteDescriptionTree(w, tree);
    std::string itemData = EncodeItemData(tree);
    std::string tail = name("Visible") + "\x08" + name("Items.Data") + "\x0A" + int32le(68) + itemData +
                       std::string(2, '\0');
    ASSERT_GE(w.bytes().size(), tail.size());
    EXPECT_EQ(w.bytes().substr(w.bytes().size() - tail.size()), tail);
    EXPECT_EQ(w.bytes().size(), 93u + 1 + 10 + 1 + 4 + 68);
    ValueReader r(w.bytes());
    EXPECT_EQ(ReadDescriptionTree(r), tree);
}
