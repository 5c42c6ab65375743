#pragma once
// The tagged binary values every saved file is made of.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorlane {

enum class Tag : std::uint8_t {
    EndOfList = 0,
    ListBegin = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    ShortString = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LongString = 12,
    Collection = 14,
};

// Thrown for every malformed value: truncated data, an unexpected tag,
// a missing signature. Readers of each file kind turn it into their own message.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ValueWriter {
public:
    void WriteString(std::string_view text);
    void WriteInteger(std::int32_t value);
    void WriteBoolean(bool value);
    void WriteChar(char c);
    void WriteListBegin() { putByte(static_cast<std::uint8_t>(Tag::ListBegin)); }
    void WriteListEnd() { putByte(0); }
    void WriteIdent(std::string_view name);
    void WriteBinary(std::string_view bytes);
    void WriteSet(const std::vector<std::string>& members);
    void WriteStringList(const std::vector<std::string>& list);
    // A block costs three bytes per byte: its size, then one char value each.
    void WriteByteBlock(std::string_view block);

    // Untagged pieces of component streams.
    void WriteName(std::string_view name);
    void WriteRaw(std::string_view bytes) { out_.append(bytes); }
    void putByte(std::uint8_t b) { out_.push_back(static_cast<char>(b)); }
    void putInt32(std::int32_t v);

    const std::string& bytes() const { return out_; }
    std::string take() { return std::move(out_); }
    void reserve(std::size_t n) { out_.reserve(n); }

private:
    std::string out_;
};

class ValueReader {
public:
    explicit ValueReader(std::string_view data) : data_(data) {}

    std::string ReadString();
    std::int32_t ReadInteger();
    bool ReadBoolean();
    char ReadChar();
    void ReadListBegin();
    bool EndOfList() const;
    void ReadListEnd();
    std::string ReadIdent();
    std::string ReadBinary();
    std::vector<std::string> ReadSet();
    std::vector<std::string> ReadStringList();
    std::string ReadByteBlock();

    std::string ReadName();
    std::uint8_t nextTag() const;
    std::uint8_t getByte();
    std::int32_t getInt32();
    std::string_view getBytes(std::size_t n);

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }

private:
    void need(std::size_t n) const;
    std::string_view data_;
    std::size_t pos_ = 0;
};

// A property value of a component stream, kept whole so that unknown
// properties can be skipped by their tag and known ones read by kind.
struct Extended80 {
    std::uint8_t bytes[10]{};
    bool operator==(const Extended80&) const = default;
};
struct PropertyValue;
struct Property;
using ValueList = std::vector<PropertyValue>;
using CollectionItems = std::vector<std::vector<Property>>;

struct IdentValue {
    std::string name;
    bool operator==(const IdentValue&) const = default;
};
struct BinaryValue {
    std::string bytes;
    bool operator==(const BinaryValue&) const = default;
};
struct SetValue {
    std::vector<std::string> members;
    bool operator==(const SetValue&) const = default;
};

struct PropertyValue {
    std::variant<std::int32_t, Extended80, std::string, IdentValue, bool, BinaryValue, SetValue,
                 ValueList, CollectionItems>
        value;
    bool operator==(const PropertyValue&) const;
};

struct Property {
    std::string name;
    PropertyValue value;
    bool operator==(const Property&) const;
};

struct Component {
    std::string className;
    std::string name;
    std::vector<Property> properties;

    const PropertyValue* find(std::string_view propertyName) const;
};

PropertyValue ReadPropertyValue(ValueReader& reader, int depth = 0);
void WritePropertyValue(ValueWriter& writer, const PropertyValue& value);

// "TPF0", class, name, properties, empty child list.
void WriteRootComponent(ValueWriter& writer, const Component& component);
Component ReadRootComponent(ValueReader& reader);

}  // namespace vorlane
