#include "storage/value_stream.h"

#include <cstring>
#include <limits>

namespace vorlane {

namespace {
constexpr int kMaxNesting = 32;

std::uint8_t tagByte(Tag t) { return static_cast<std::uint8_t>(t); }
}  // namespace

// ---- writer ----

void ValueWriter::putInt32(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) putByte(static_cast<std::uint8_t>(u >> (8 * i)));
}

void ValueWriter::WriteString(std::string_view text) {
    if (text.size() <= 255) {
        putByte(tagByte(Tag::ShortString));
        putByte(static_cast<std::uint8_t>(text.size()));
    } else {
        putByte(tagByte(Tag::LongString));
        putInt32(static_cast<std::int32_t>(text.size()));
    }
    out_.append(text);
}

void ValueWriter::WriteInteger(std::int32_t value) {
    if (value >= -128 && value <= 127) {
        putByte(tagByte(Tag::Int8));
        putByte(static_cast<std::uint8_t>(value));
    } else if (value >= -32768 && value <= 32767) {
        putByte(tagByte(Tag::Int16));
        auto u = static_cast<std::uint16_t>(value);
        putByte(static_cast<std::uint8_t>(u));
        putByte(static_cast<std::uint8_t>(u >> 8));
    } else {
        putByte(tagByte(Tag::Int32));
        putInt32(value);
    }
}

void ValueWriter::WriteBoolean(bool value) { putByte(tagByte(value ? Tag::True : Tag::False)); }

void ValueWriter::WriteChar(char c) {
    putByte(tagByte(Tag::ShortString));
    putByte(1);
    out_.push_back(c);
}

void ValueWriter::WriteIdent(std::string_view name) {
    putByte(tagByte(Tag::Ident));
    WriteName(name);
}

void ValueWriter::WriteBinary(std::string_view bytes) {
    putByte(tagByte(Tag::Binary));
    putInt32(static_cast<std::int32_t>(bytes.size()));
    out_.append(bytes);
}

void ValueWriter::WriteSet(const std::vector<std::string>& members) {
    putByte(tagByte(Tag::Set));
    for (const auto& m : members)
        if (!m.empty()) WriteName(m);
    putByte(0);
}

void ValueWriter::WriteStringList(const std::vector<std::string>& list) {
    WriteListBegin();
    for (const auto& s : list) WriteString(s);
    WriteListEnd();
}

void ValueWriter::WriteByteBlock(std::string_view block) {
    WriteInteger(static_cast<std::int32_t>(block.size()));
    out_.reserve(out_.size() + 3 * block.size());
    for (char c : block) WriteChar(c);
}

void ValueWriter::WriteName(std::string_view name) {
    if (name.size() > 255) name = name.substr(0, 255);
    putByte(static_cast<std::uint8_t>(name.size()));
    out_.append(name);
}

// ---- reader ----

void ValueReader::need(std::size_t n) const {
    if (n > remaining()) throw ReadError("Read beyond end of stream");
}

std::uint8_t ValueReader::nextTag() const {
    need(1);
    return static_cast<std::uint8_t>(data_[pos_]);
}

std::uint8_t ValueReader::getByte() {
    need(1);
    return static_cast<std::uint8_t>(data_[pos_++]);
}

std::int32_t ValueReader::getInt32() {
    need(4);
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data_[pos_ + i])) << (8 * i);
    pos_ += 4;
    return static_cast<std::int32_t>(u);
}

std::string_view ValueReader::getBytes(std::size_t n) {
    need(n);
    auto view = data_.substr(pos_, n);
    pos_ += n;
    return view;
}

std::string ValueReader::ReadString() {
    std::uint8_t tag = getByte();
    std::size_t length;
    if (tag == tagByte(Tag::ShortString)) {
        length = getByte();
    } else if (tag == tagByte(Tag::LongString)) {
        std::int32_t n = getInt32();
        if (n < 0) throw ReadError("Negative text length");
        length = static_cast<std::size_t>(n);
    } else {
        throw ReadError("Invalid property value");
    }
    return std::string(getBytes(length));
}

std::int32_t ValueReader::ReadInteger() {
    std::uint8_t tag = getByte();
    switch (static_cast<Tag>(tag)) {
        case Tag::Int8:
            return static_cast<std::int8_t>(getByte());
        case Tag::Int16: {
            std::uint16_t lo = getByte();
            std::uint16_t hi = getByte();
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
        }
        case Tag::Int32:
            return getInt32();
        default:
            throw ReadError("Invalid property value");
    }
}

bool ValueReader::ReadBoolean() {
    std::uint8_t tag = getByte();
    if (tag == tagByte(Tag::True)) return true;
    if (tag == tagByte(Tag::False)) return false;
    throw ReadError("Invalid property value");
}

char ValueReader::ReadChar() {
    std::uint8_t tag = getByte();
    if (tag != tagByte(Tag::ShortString)) throw ReadError("Invalid property value");
    if (getByte() != 1) throw ReadError("Invalid property value");
    return static_cast<char>(getByte());
}

void ValueReader::ReadListBegin() {
    if (getByte() != tagByte(Tag::ListBegin)) throw ReadError("Invalid property value");
}

bool ValueReader::EndOfList() const { return nextTag() == 0; }

void ValueReader::ReadListEnd() {
    if (getByte() != 0) throw ReadError("Invalid property value");
}

std::string ValueReader::ReadIdent() {
    if (getByte() != tagByte(Tag::Ident)) throw ReadError("Invalid property value");
    return ReadName();
}

std::string ValueReader::ReadBinary() {
    if (getByte() != tagByte(Tag::Binary)) throw ReadError("Invalid property value");
    std::int32_t n = getInt32();
    if (n < 0) throw ReadError("Negative binary length");
    return std::string(getBytes(static_cast<std::size_t>(n)));
}

std::vector<std::string> ValueReader::ReadSet() {
    if (getByte() != tagByte(Tag::Set)) throw ReadError("Invalid property value");
    std::vector<std::string> members;
    for (;;) {
        std::string name = ReadName();
        if (name.empty()) return members;
        members.push_back(std::move(name));
    }
}

std::vector<std::string> ValueReader::ReadStringList() {
    std::vector<std::string> list;
    ReadListBegin();
    while (!EndOfList()) list.push_back(ReadString());
    ReadListEnd();
    return list;
}

std::string ValueReader::ReadByteBlock() {
    std::int32_t size = ReadInteger();
    if (size <= 0) return {};
    // Each byte costs three in the stream; refuse sizes the data cannot hold
    // before reserving anything.
    if (static_cast<std::size_t>(size) > remaining() / 3) throw ReadError("Read beyond end of stream");
    std::string block;
    block.reserve(static_cast<std::size_t>(size));
    for (std::int32_t i = 0; i < size; ++i) block.push_back(ReadChar());
    return block;
}

std::string ValueReader::ReadName() {
    std::uint8_t length = getByte();
    return std::string(getBytes(length));
}

// ---- component streams ----

bool PropertyValue::operator==(const PropertyValue& other) const { return value == other.value; }
bool Property::operator==(const Property& other) const {
    return name == other.name && value == other.value;
}

const PropertyValue* Component::find(std::string_view propertyName) const {
    for (const auto& p : properties)
        if (p.name == propertyName) return &p.value;
    return nullptr;
}

namespace {
std::vector<Property> readPropertyList(ValueReader& reader, int depth) {
    std::vector<Property> properties;
    while (!reader.EndOfList()) {
        Property p;
        p.name = reader.ReadName();
        p.value = ReadPropertyValue(reader, depth + 1);
        properties.push_back(std::move(p));
    }
    reader.ReadListEnd();
    return properties;
}

void writePropertyList(ValueWriter& writer, const std::vector<Property>& properties) {
    for (const auto& p : properties) {
        writer.WriteName(p.name);
        WritePropertyValue(writer, p.value);
    }
    writer.WriteListEnd();
}
}  // namespace

PropertyValue ReadPropertyValue(ValueReader& reader, int depth) {
    if (depth > kMaxNesting) throw ReadError("Nesting too deep");
    PropertyValue result;
    switch (static_cast<Tag>(reader.nextTag())) {
        case Tag::Int8:
        case Tag::Int16:
        case Tag::Int32:
            result.value = reader.ReadInteger();
            break;
        case Tag::Extended: {
            reader.getByte();
            Extended80 e;
            auto bytes = reader.getBytes(10);
            std::memcpy(e.bytes, bytes.data(), 10);
            result.value = e;
            break;
        }
        case Tag::ShortString:
        case Tag::LongString:
            result.value = reader.ReadString();
            break;
        case Tag::Ident:
            result.value = IdentValue{reader.ReadIdent()};
            break;
        case Tag::False:
        case Tag::True:
            result.value = reader.ReadBoolean();
            break;
        case Tag::Binary:
            result.value = BinaryValue{reader.ReadBinary()};
            break;
        case Tag::Set:
            result.value = SetValue{reader.ReadSet()};
            break;
        case Tag::ListBegin: {
            reader.ReadListBegin();
            ValueList list;
            while (!reader.EndOfList()) list.push_back(ReadPropertyValue(reader, depth + 1));
            reader.ReadListEnd();
            result.value = std::move(list);
            break;
        }
        case Tag::Collection: {
            reader.getByte();
            CollectionItems items;
            while (!reader.EndOfList()) {
                reader.ReadListBegin();
                items.push_back(readPropertyList(reader, depth + 1));
            }
            reader.ReadListEnd();
            result.value = std::move(items);
            break;
        }
        default:
            throw ReadError("Invalid property value");
    }
    return result;
}

void WritePropertyValue(ValueWriter& writer, const PropertyValue& value) {
    struct Visitor {
        ValueWriter& w;
        void operator()(std::int32_t v) { w.WriteInteger(v); }
        void operator()(const Extended80& e) {
            w.putByte(static_cast<std::uint8_t>(Tag::Extended));
            w.WriteRaw(std::string_view(reinterpret_cast<const char*>(e.bytes), 10));
        }
        void operator()(const std::string& s) { w.WriteString(s); }
        void operator()(const IdentValue& i) { w.WriteIdent(i.name); }
        void operator()(bool b) { w.WriteBoolean(b); }
        void operator()(const BinaryValue& b) { w.WriteBinary(b.bytes); }
        void operator()(const SetValue& s) { w.WriteSet(s.members); }
        void operator()(const ValueList& list) {
            w.WriteListBegin();
            for (const auto& v : list) WritePropertyValue(w, v);
            w.WriteListEnd();
        }
        void operator()(const CollectionItems& items) {
            w.putByte(static_cast<std::uint8_t>(Tag::Collection));
            for (const auto& item : items) {
                w.WriteListBegin();
                writePropertyList(w, item);
            }
            w.WriteListEnd();
        }
    };
    std::visit(Visitor{writer}, value.value);
}

void WriteRootComponent(ValueWriter& writer, const Component& component) {
    writer.WriteRaw("TPF0");
    writer.WriteName(component.className);
    writer.WriteName(component.name);
    writePropertyList(writer, component.properties);
    writer.WriteListEnd();  // no children
}

Component ReadRootComponent(ValueReader& reader) {
    if (reader.getBytes(4) != "TPF0") throw ReadError("Invalid stream format");
    Component c;
    c.className = reader.ReadName();
    c.name = reader.ReadName();
    c.properties = readPropertyList(reader, 0);
    if (reader.getByte() != 0) throw ReadError("Unexpected child component");
    return c;
}

}  // namespace vorlane
