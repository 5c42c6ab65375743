#include <gtest/gtest.h>

#include "storage/value_stream.h"

using namespace vorlane;

namespace {
std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

std::string written(void (*write)(ValueWriter&)) {
    ValueWriter w;
    write(w);
    return w.bytes();
}
}  // namespace

TEST(ValueStreamWriter, IntegersTakeTheNarrowestForm) {
    struct Case {
        std::int32_t value;
        std::string expected;
    } cases[] = {
        {0, bytes({2, 0})},
        {127, bytes({2, 127})},
        {-128, bytes({2, 128})},
        {128, bytes({3, 128, 0})},
        {-129, bytes({3, 127, 255})},
        {32767, bytes({3, 255, 127})},
        {-32768, bytes({3, 0, 128})},
        {32768, bytes({4, 0, 128, 0, 0})},
        {-32769, bytes({4, 255, 127, 255, 255})},
        {INT32_MIN, bytes({4, 0, 0, 0, 128})},
    };
    for (const auto& c : cases) {
        ValueWriter w;
        w.WriteInteger(c.value);
        EXPECT_EQ(w.bytes(), c.expected) << c.value;
        ValueReader r(w.bytes());
        EXPECT_EQ(r.ReadInteger(), c.value);
        EXPECT_TRUE(r.atEnd());
    }
}

TEST(ValueStreamWriter, TextsSwitchToLongFormAbove255) {
    ValueWriter w;
    w.WriteString(std::string(255, 'a'));
    EXPECT_EQ(w.bytes().substr(0, 2), bytes({6, 255}));
    EXPECT_EQ(w.bytes().size(), 257u);

    ValueWriter l;
    l.WriteString(std::string(256, 'b'));
    EXPECT_EQ(l.bytes().substr(0, 5), bytes({12, 0, 1, 0, 0}));
    EXPECT_EQ(l.bytes().size(), 261u);
    ValueReader r(l.bytes());
    EXPECT_EQ(r.ReadString(), std::string(256, 'b'));
}

TEST(ValueStreamWriter, SmallValuesHaveTheirExactBytes) {
    EXPECT_EQ(written([](ValueWriter& w) { w.WriteString(""); }), bytes({6, 0}));
    EXPECT_EQ(written([](ValueWriter& w) { w.WriteStringList({}); }), bytes({1, 0}));
    EXPECT_EQ(written([](ValueWriter& w) { w.WriteBoolean(true); w.WriteBoolean(false); }), bytes({9, 8}));
    EXPECT_EQ(written([](ValueWriter& w) { w.WriteChar('\xFF'); }), bytes({6, 1, 255}));
    EXPECT_EQ(written([](ValueWriter& w) { w.WriteSet({}); }), bytes({11, 0}));
    EXPECT_EQ(written([](ValueWriter& w) { w.WriteByteBlock("ab"); }), bytes({2, 2, 6, 1, 'a', 6, 1, 'b'}));
    EXPECT_EQ(written([](ValueWriter& w) { w.WriteIdent("clWhite"); }), bytes({7, 7}) + "clWhite");
}

TEST(ValueStreamReader, IntegerAcceptsEveryWidth) {
    const std::string data = bytes({4, 5, 0, 0, 0, 3, 5, 0, 2, 5});  // outlives the reader's view
    ValueReader r(data);
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_EQ(r.ReadInteger(), 5);
}

TEST(ValueStreamReader, WrongTagsAndShortDataAreReadErrors) {
    EXPECT_THROW(ValueReader(bytes({6, 2, 'a', 'b'})).ReadChar(), ReadError);
    EXPECT_THROW(ValueReader(bytes({2, 1})).ReadString(), ReadError);
    EXPECT_THROW(ValueReader(bytes({6, 1})).ReadString(), ReadError);
    EXPECT_THROW(ValueReader(bytes({12, 255, 255, 255, 127, 'x'})).ReadString(), ReadError);
    EXPECT_THROW(ValueReader(bytes({12, 0, 0, 0, 128})).ReadString(), ReadError);
    EXPECT_THROW(ValueReader(bytes({6, 0})).ReadInteger(), ReadError);
    EXPECT_THROW(ValueReader(bytes({3, 1})).ReadInteger(), ReadError);
    EXPECT_THROW(ValueReader(bytes({2, 0})).ReadBoolean(), ReadError);
    EXPECT_THROW(ValueReader("").ReadBoolean(), ReadError);
    EXPECT_THROW(ValueReader("").EndOfList(), ReadError);
    EXPECT_THROW(ValueReader(bytes({1, 6, 0})).ReadStringList(), ReadError);  // never closed
}

TEST(ValueStreamReader, ByteBlockRefusesSizesTheDataCannotHold) {
    ValueWriter w;
    w.WriteInteger(2000000000);
    w.WriteChar('x');
    ValueReader r(w.bytes());
    EXPECT_THROW(r.ReadByteBlock(), ReadError);
}

TEST(ComponentStream, UnknownPropertiesOfEveryKindAreSkippedAndKept) {
    Component c;
    c.className = "TEdit";
    c.name = "HeaderFont";
    Extended80 e;
    e.bytes[9] = 0x3F;
    c.properties = {
        {"Left", PropertyValue{std::int32_t{-11}}},
        {"Ratio", PropertyValue{e}},
        {"Text", PropertyValue{std::string(300, 'q')}},
        {"Font.Charset", PropertyValue{IdentValue{"DEFAULT_CHARSET"}}},
        {"ReadOnly", PropertyValue{true}},
        {"Items.Data", PropertyValue{BinaryValue{std::string("\0\1\2", 3)}}},
        {"Font.Style", PropertyValue{SetValue{{"fsBold", "fsItalic"}}}},
        {"Strings", PropertyValue{ValueList{PropertyValue{std::string("a")}, PropertyValue{std::int32_t{7}}}}},
        {"Sections",
         PropertyValue{CollectionItems{{{"Width", PropertyValue{std::int32_t{136}}}},
                                       {{"Text", PropertyValue{std::string("Name")}}}}}},
    };
    ValueWriter w;
    WriteRootComponent(w, c);
    EXPECT_EQ(w.bytes().substr(0, 4), "TPF0");
    EXPECT_EQ(w.bytes().substr(w.bytes().size() - 2), bytes({0, 0}));

    ValueReader r(w.bytes());
    Component back = ReadRootComponent(r);
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(back.className, "TEdit");
    EXPECT_EQ(back.name, "HeaderFont");
    EXPECT_EQ(back.properties, c.properties);
    EXPECT_EQ(std::get<std::int32_t>(back.find("Left")->value), -11);
}

TEST(ComponentStream, MalformedStreamsAreReadErrors) {
    // A wrong signature, not just a short stream: the NULs are part of the data.
    EXPECT_THROW({ ValueReader r(std::string_view("TPF1\0\0\0\0", 8)); ReadRootComponent(r); }, ReadError);
    std::string withChild = std::string("TPF0") + bytes({1, 'A', 1, 'B', 0, 1, 'C'});
    EXPECT_THROW({ ValueReader r(withChild); ReadRootComponent(r); }, ReadError);
    std::string badTag = std::string("TPF0") + bytes({1, 'A', 1, 'B', 1, 'P', 13, 0, 0});
    EXPECT_THROW({ ValueReader r(badTag); ReadRootComponent(r); }, ReadError);
    // Nesting is bounded rather than recursing without end.
    std::string deep = std::string("TPF0") + bytes({1, 'A', 1, 'B', 1, 'P'}) + std::string(100000, '\x01');
    EXPECT_THROW({ ValueReader r(deep); ReadRootComponent(r); }, ReadError);
}
