// The home location file's bytes: a flat record of 26 fields, little-endian, no header and no
// padding. Encoding and decoding only; reading and writing the file is the caller's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvo {

// A tagged field: a 16-bit type tag, then the value in that type. The tag is kept with the value
// so that a record read and written again gives the same bytes.
enum class ValueTag : std::int16_t {
    Empty = 0,    // nothing follows
    Null = 1,     // nothing follows
    Int16 = 2,    // 16-bit signed integer
    Int32 = 3,    // 32-bit signed integer
    Float = 4,    // 32-bit IEEE float
    Double = 5,   // 64-bit IEEE double
    Text = 8,     // 16-bit length, then that many 8-bit characters
    Boolean = 11  // 16-bit integer: 0 false, -1 true
};

struct TaggedValue {
    ValueTag tag = ValueTag::Int16;
    double number = 0.0;  // every numeric tag's value exactly (a float or a 32-bit integer fits)
    std::string text;     // ValueTag::Text only

    // The smallest integer tag that holds `value` (Int16, else Int32).
    static TaggedValue Integer(std::int32_t value);
    static TaggedValue Single(float value);
    static TaggedValue Real(double value);
    static TaggedValue Flag(bool value);

    // The value as a number: Empty and Null are 0, a boolean -1 or 0, a text its number
    // ("12", " 9.5 ", "True", "False"); nothing for a text that is no number.
    [[nodiscard]] std::optional<double> Number() const;
};

inline constexpr int kRequiredHomeFields = 11;  // fields 1 to 11 must be there
inline constexpr int kHomeFieldCount = 26;
inline constexpr std::size_t kReservedBlockSize = 512;  // field 26

// The fields in file order. Fields 12 to 26 are missing from files of earlier versions; the
// decoder then leaves them as they are here.
struct HomeRecord {
    double latitude = 0.0;                  // 1: radians, north positive (bare double)
    double longitude = 0.0;                 // 2: radians, WEST positive (bare double)
    TaggedValue utcOffset;                  // 3: hours west of UTC, daylight saving included
    TaggedValue backColor;                  // 4: colour, red in the low byte
    TaggedValue textColor;                  // 5
    TaggedValue scopeModel;                 // 6: model code, 10000 none; below 100 a bare type code
    std::int16_t scopePort = 0;             // 7: COM number (bare)
    std::int16_t noDaylight = 0;            // 8: nonzero: the zone always shows standard time (bare)
    TaggedValue siteFromGps;                // 9
    TaggedValue doNotLoadTime;              // 10
    TaggedValue version;                    // 11: format version, 12 written
    TaggedValue scopeHasGps;                // 12
    TaggedValue firstUseDate;               // 13: Julian date of the first start
    TaggedValue ignoreInvalid;              // 14: greater than 0 means on
    TaggedValue skyClass;                   // 15
    TaggedValue sizeClass;                  // 16
    TaggedValue fixedEpoch;                 // 17: a year, -1 epoch of date, 0 undecided
    std::int16_t gpsPort = 0;               // 18: COM number (bare as written; see DecodeHomeFile)
    std::array<TaggedValue, 7> reserved{};  // 19-25: written as Int16 0
    std::array<char, kReservedBlockSize> reservedBlock{};  // 26: written as zero bytes
};

std::string EncodeHomeFile(const HomeRecord& record);

enum class HomeDecodeStatus {
    Ok,
    Truncated,   // the bytes end inside fields 1 to 11
    UnknownTag,  // a tag of fields 3 to 11 is none of the known ones
};

struct HomeDecodeResult {
    HomeDecodeStatus status = HomeDecodeStatus::Truncated;
    HomeRecord record;
    int fieldsRead = 0;  // complete fields from the start: 11 to 26 when Ok
};

// Reads fields 1 to 11, which must all be there with known tags, then as many of the fields
// after them as the bytes hold whole; the first of those that ends early or has an unknown tag
// ends the reading, and it and the fields after it keep their defaults. Never reads past the
// end, whatever a length or a tag says.
[[nodiscard]] HomeDecodeResult DecodeHomeFile(std::string_view bytes);

}  // namespace talvo
