#include "session/home_file_format.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <limits>

namespace talvo {

namespace {

// Little-endian reads that never go past the end: a read that would fails and moves nothing.
class Reader {
public:
    explicit Reader(std::string_view bytes, std::size_t pos = 0) : bytes_(bytes), pos_(pos) {}

    std::size_t Pos() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }

    bool Unsigned(std::size_t size, std::uint64_t& value) {
        if (Remaining() < size) return false;
        value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        }
        pos_ += size;
        return true;
    }
    bool Int16(std::int16_t& value) {
        std::uint64_t raw = 0;
        if (!Unsigned(2, raw)) return false;
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(raw));
        return true;
    }
    bool Double(double& value) {
        std::uint64_t raw = 0;
        if (!Unsigned(8, raw)) return false;
        value = std::bit_cast<double>(raw);
        return true;
    }
    bool Bytes(std::size_t size, std::string& out) {
        if (Remaining() < size) return false;
        out.assign(bytes_.substr(pos_, size));
        pos_ += size;
        return true;
    }

    enum class Result { Ok, Short, UnknownTag };

    Result Tagged(TaggedValue& value) {
        const std::size_t start = pos_;
        const Result result = ReadTagged(value);
        if (result != Result::Ok) pos_ = start;
        return result;
    }

private:
    Result ReadTagged(TaggedValue& value) {
        std::int16_t tag = 0;
        if (!Int16(tag)) return Result::Short;
        std::uint64_t raw = 0;
        value.text.clear();
        switch (static_cast<ValueTag>(tag)) {
            case ValueTag::Empty:
            case ValueTag::Null:
                value.number = 0.0;
                break;
            case ValueTag::Int16:
            case ValueTag::Boolean: {
                std::int16_t number = 0;
                if (!Int16(number)) return Result::Short;
                value.number = number;
                break;
            }
            case ValueTag::Int32:
                if (!Unsigned(4, raw)) return Result::Short;
                value.number = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
                break;
            case ValueTag::Float:
                if (!Unsigned(4, raw)) return Result::Short;
                value.number = std::bit_cast<float>(static_cast<std::uint32_t>(raw));
                break;
            case ValueTag::Double:
                if (!Double(value.number)) return Result::Short;
                break;
            case ValueTag::Text:
                // The length is unsigned: at most 65535 characters, and never more than remain.
                if (!Unsigned(2, raw) || !Bytes(static_cast<std::size_t>(raw), value.text))
                    return Result::Short;
                value.number = 0.0;
                break;
            default:
                return Result::UnknownTag;
        }
        value.tag = static_cast<ValueTag>(tag);
        return Result::Ok;
    }

    std::string_view bytes_;
    std::size_t pos_;
};

class Writer {
public:
    void Unsigned(std::size_t size, std::uint64_t value) {
        for (std::size_t i = 0; i < size; ++i) out_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    void Int16(std::int16_t value) { Unsigned(2, static_cast<std::uint16_t>(value)); }
    void Double(double value) { Unsigned(8, std::bit_cast<std::uint64_t>(value)); }

    void Tagged(const TaggedValue& value) {
        Int16(static_cast<std::int16_t>(value.tag));
        switch (value.tag) {
            case ValueTag::Empty:
            case ValueTag::Null:
                break;
            case ValueTag::Int16:
            case ValueTag::Boolean:
                Int16(static_cast<std::int16_t>(value.number));
                break;
            case ValueTag::Int32:
                Unsigned(4, static_cast<std::uint32_t>(static_cast<std::int32_t>(value.number)));
                break;
            case ValueTag::Float:
                Unsigned(4, std::bit_cast<std::uint32_t>(static_cast<float>(value.number)));
                break;
            case ValueTag::Double:
                Double(value.number);
                break;
            case ValueTag::Text: {
                const std::size_t size = std::min<std::size_t>(value.text.size(), 65535);
                Unsigned(2, size);
                out_.append(value.text, 0, size);
                break;
            }
        }
    }

    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

// Whether the bytes from `pos` on are fields 19 to 26 exactly: seven tagged values and the
// reserved block, ending with the bytes.
bool ReadsAsTail(std::string_view bytes, std::size_t pos) {
    Reader reader(bytes, pos);
    TaggedValue value;
    for (int i = 0; i < 7; ++i) {
        if (reader.Tagged(value) != Reader::Result::Ok) return false;
    }
    return reader.Remaining() == kReservedBlockSize;
}

// Field 18 is written as a bare 16-bit integer, while files of earlier versions may hold a
// tagged value there; nothing in a file says which. The layout that lets the rest of the bytes
// read as fields 19 to 26 ending exactly with the file is taken, the written (bare) one first;
// a file that ends at field 18 has it bare when exactly two bytes remain and tagged when one
// tagged value takes the rest. Otherwise the bare layout is read, as written. Returns the
// position after field 18, or nothing when it cannot be read.
std::optional<std::size_t> ReadGpsPort(std::string_view bytes, std::size_t pos, std::int16_t& gpsPort) {
    Reader bare(bytes, pos);
    std::int16_t bareValue = 0;
    const bool bareRead = bare.Int16(bareValue);
    Reader tagged(bytes, pos);
    TaggedValue taggedValue;
    std::optional<std::int16_t> taggedPort;
    if (tagged.Tagged(taggedValue) == Reader::Result::Ok) {
        const std::optional<double> number = taggedValue.Number();
        if (number && *number >= std::numeric_limits<std::int16_t>::min() &&
            *number <= std::numeric_limits<std::int16_t>::max()) {
            taggedPort = static_cast<std::int16_t>(*number);
        }
    }
    const auto takeBare = [&]() -> std::optional<std::size_t> {
        gpsPort = bareValue;
        return bare.Pos();
    };
    const auto takeTagged = [&]() -> std::optional<std::size_t> {
        gpsPort = *taggedPort;
        return tagged.Pos();
    };
    if (bareRead && ReadsAsTail(bytes, bare.Pos())) return takeBare();
    if (taggedPort && ReadsAsTail(bytes, tagged.Pos())) return takeTagged();
    if (bareRead && bare.Remaining() == 0) return takeBare();
    if (taggedPort && tagged.Remaining() == 0) return takeTagged();
    if (bareRead) return takeBare();
    return std::nullopt;
}

}  // namespace

TaggedValue TaggedValue::Integer(std::int32_t value) {
    const bool small = value >= std::numeric_limits<std::int16_t>::min() &&
                       value <= std::numeric_limits<std::int16_t>::max();
    return {small ? ValueTag::Int16 : ValueTag::Int32, static_cast<double>(value), {}};
}

TaggedValue TaggedValue::Single(float value) { return {ValueTag::Float, value, {}}; }

TaggedValue TaggedValue::Real(double value) { return {ValueTag::Double, value, {}}; }

TaggedValue TaggedValue::Flag(bool value) { return {ValueTag::Boolean, value ? -1.0 : 0.0, {}}; }

std::optional<double> TaggedValue::Number() const {
    if (tag != ValueTag::Text) return number;
    std::string_view view = text;
    while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
    while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
    std::string lower(view);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true") return -1.0;
    if (lower == "false") return 0.0;
    double value = 0.0;
    const char* end = view.data() + view.size();
    const auto [stop, error] = std::from_chars(view.data(), end, value);
    if (view.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string EncodeHomeFile(const HomeRecord& record) {
    Writer writer;
    writer.Double(record.latitude);
    writer.Double(record.longitude);
    writer.Tagged(record.utcOffset);
    writer.Tagged(record.backColor);
    writer.Tagged(record.textColor);
    writer.Tagged(record.scopeModel);
    writer.Int16(record.scopePort);
    writer.Int16(record.noDaylight);
    writer.Tagged(record.siteFromGps);
    writer.Tagged(record.doNotLoadTime);
    writer.Tagged(record.version);
    for (const TaggedValue* value : {&record.scopeHasGps, &record.firstUseDate, &record.ignoreInvalid,
                                     &record.skyClass, &record.sizeClass, &record.fixedEpoch}) {
        writer.Tagged(*value);
    }
    writer.Int16(record.gpsPort);
    for (const TaggedValue& value : record.reserved) writer.Tagged(value);
    std::string bytes = writer.Take();
    bytes.append(record.reservedBlock.data(), record.reservedBlock.size());
    return bytes;
}

HomeDecodeResult DecodeHomeFile(std::string_view bytes) {
    HomeDecodeResult result;
    HomeRecord& record = result.record;
    Reader reader(bytes);

    // Fields 1 to 11: all of them, or the file is not a home file.
    if (!reader.Double(record.latitude) || !reader.Double(record.longitude)) return result;
    result.fieldsRead = 2;
    const auto required = [&](TaggedValue& value) {
        const Reader::Result read = reader.Tagged(value);
        if (read == Reader::Result::Ok) ++result.fieldsRead;
        if (read == Reader::Result::UnknownTag) result.status = HomeDecodeStatus::UnknownTag;
        return read == Reader::Result::Ok;
    };
    const auto bare = [&](std::int16_t& value) {
        const bool read = reader.Int16(value);
        if (read) ++result.fieldsRead;
        return read;
    };
    if (!required(record.utcOffset) || !required(record.backColor) || !required(record.textColor) ||
        !required(record.scopeModel) || !bare(record.scopePort) || !bare(record.noDaylight) ||
        !required(record.siteFromGps) || !required(record.doNotLoadTime) || !required(record.version)) {
        return result;
    }
    result.status = HomeDecodeStatus::Ok;

    // Fields 12 on: as many as there are whole.
    const auto optional = [&](TaggedValue& value) {
        TaggedValue read;
        if (reader.Tagged(read) != Reader::Result::Ok) return false;
        value = std::move(read);
        ++result.fieldsRead;
        return true;
    };
    for (TaggedValue* value : {&record.scopeHasGps, &record.firstUseDate, &record.ignoreInvalid,
                               &record.skyClass, &record.sizeClass, &record.fixedEpoch}) {
        if (!optional(*value)) return result;
    }
    const std::optional<std::size_t> afterGps = ReadGpsPort(bytes, reader.Pos(), record.gpsPort);
    if (!afterGps) return result;
    ++result.fieldsRead;
    reader = Reader(bytes, *afterGps);
    for (TaggedValue& value : record.reserved) {
        if (!optional(value)) return result;
    }
    std::string block;
    if (!reader.Bytes(kReservedBlockSize, block)) return result;
    std::copy(block.begin(), block.end(), record.reservedBlock.begin());
    ++result.fieldsRead;
    return result;
}

}  // namespace talvo
