// The home location file's bytes: round trips, the default file, earlier versions' shorter
// files, the two layouts of the GPS port, and damaged or hostile files.
#include "session/home_file_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "session/home_record.h"

namespace talvo {
namespace {

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

// The default file: site 0/0, offset 0 (float), dark red on yellow (32-bit), no telescope
// (10000), ports 0, daylight saving shown, flags false, version 12, no GPS, first use 0,
// invalid entries ignored (1), sky and size 0, epoch undecided (0), GPS port 0 (bare), seven
// reserved zeros and the zero block.
const std::string kDefaultFileHex =
    "0000000000000000"
    "0000000000000000"
    "040000000000"
    "0300c0000000"
    "0300ffff0000"
    "02001027"
    "0000"
    "0000"
    "0b000000"
    "0b000000"
    "02000c00"
    "0b000000"
    "05000000000000000000"
    "02000100"
    "02000000"
    "02000000"
    "05000000000000000000"
    "0000"
    "02000000020000000200000002000000020000000200000002000000" +
    std::string(2 * kReservedBlockSize, '0');

HomeRecord Varied() {
    HomeRecord record;
    record.latitude = 0.7068;
    record.longitude = -2.1;
    record.utcOffset = TaggedValue::Single(-5.5f);
    record.backColor = {ValueTag::Int32, 16777215, {}};
    record.textColor = {ValueTag::Text, 0, "255"};
    record.scopeModel = TaggedValue::Integer(405);
    record.scopePort = 3;
    record.noDaylight = -1;
    record.siteFromGps = {ValueTag::Empty, 0, {}};
    record.doNotLoadTime = {ValueTag::Null, 0, {}};
    record.version = TaggedValue::Real(12.0);
    record.scopeHasGps = TaggedValue::Flag(true);
    record.firstUseDate = TaggedValue::Real(2461016.5);
    record.ignoreInvalid = TaggedValue::Integer(-1);
    record.skyClass = TaggedValue::Integer(2);
    record.sizeClass = TaggedValue::Integer(70000);
    record.fixedEpoch = TaggedValue::Single(2000.0f);
    record.gpsPort = 17;
    for (int i = 0; i < 7; ++i) record.reserved[static_cast<std::size_t>(i)] = TaggedValue::Integer(i);
    record.reservedBlock[511] = 'z';
    return record;
}

TEST(HomeFileFormat, EveryFieldReadsBackAsWritten) {
    const std::string bytes = EncodeHomeFile(Varied());
    const HomeDecodeResult decoded = DecodeHomeFile(bytes);
    ASSERT_EQ(decoded.status, HomeDecodeStatus::Ok);
    EXPECT_EQ(decoded.fieldsRead, kHomeFieldCount);
    EXPECT_EQ(EncodeHomeFile(decoded.record), bytes);
    const HomeRecord& r = decoded.record;
    EXPECT_EQ(r.latitude, 0.7068);
    EXPECT_EQ(r.longitude, -2.1);
    EXPECT_EQ(r.utcOffset.tag, ValueTag::Float);
    EXPECT_EQ(r.utcOffset.number, -5.5);
    EXPECT_EQ(r.textColor.Number(), 255.0);
    EXPECT_EQ(r.siteFromGps.tag, ValueTag::Empty);
    EXPECT_EQ(r.doNotLoadTime.tag, ValueTag::Null);
    EXPECT_EQ(r.scopeHasGps.number, -1.0);
    EXPECT_EQ(r.firstUseDate.number, 2461016.5);
    EXPECT_EQ(r.sizeClass.tag, ValueTag::Int32);
    EXPECT_EQ(r.sizeClass.number, 70000.0);
    EXPECT_EQ(r.gpsPort, 17);
    EXPECT_EQ(r.noDaylight, -1);
    EXPECT_EQ(r.reserved[6].number, 6.0);
    EXPECT_EQ(r.reservedBlock[511], 'z');
}

TEST(HomeFileFormat, DefaultFileBytesArePinned) {
    SessionState defaults;
    EXPECT_EQ(Hex(EncodeHomeFile(RecordFromSession(defaults))), kDefaultFileHex);
}

TEST(HomeFileFormat, TextsAndBooleansConvertToNumbers) {
    EXPECT_EQ((TaggedValue{ValueTag::Text, 0, " 9.01 "}.Number()), 9.01);
    EXPECT_EQ((TaggedValue{ValueTag::Text, 0, "True"}.Number()), -1.0);
    EXPECT_EQ((TaggedValue{ValueTag::Text, 0, "12abc"}.Number()), std::nullopt);
    EXPECT_EQ((TaggedValue{ValueTag::Text, 0, ""}.Number()), std::nullopt);
}

// Byte offsets of the default file: field 11 ends at 54, field 17 at 90, field 18 at 92.
constexpr std::size_t kEndOfField11 = 54;
constexpr std::size_t kEndOfField17 = 90;
constexpr std::size_t kEndOfField18 = 92;

TEST(HomeFileFormat, EveryTruncationFailsBeforeField12AndKeepsWholeFieldsAfter) {
    const std::string bytes = EncodeHomeFile(Varied());
    const std::string defaults = EncodeHomeFile(RecordFromSession(SessionState{}));
    ASSERT_EQ(defaults.size(), kEndOfField18 + 28 + kReservedBlockSize);
    int lastFields = 0;
    for (std::size_t size = 0; size < defaults.size(); ++size) {
        const HomeDecodeResult decoded = DecodeHomeFile(std::string_view(defaults).substr(0, size));
        if (size < kEndOfField11) {
            EXPECT_EQ(decoded.status, HomeDecodeStatus::Truncated) << size;
            continue;
        }
        ASSERT_EQ(decoded.status, HomeDecodeStatus::Ok) << size;
        EXPECT_GE(decoded.fieldsRead, lastFields) << size;
        EXPECT_LT(decoded.fieldsRead, kHomeFieldCount) << size;
        lastFields = decoded.fieldsRead;
    }
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        static_cast<void>(DecodeHomeFile(std::string_view(bytes).substr(0, size)));  // no read past the end
    }
}

TEST(HomeFileFormat, EarlyVersionEndsAfterField11) {
    HomeRecord record = RecordFromSession(SessionState{});
    record.version = TaggedValue::Integer(8);
    const std::string bytes = EncodeHomeFile(record).substr(0, kEndOfField11);
    const HomeDecodeResult decoded = DecodeHomeFile(bytes);
    ASSERT_EQ(decoded.status, HomeDecodeStatus::Ok);
    EXPECT_EQ(decoded.fieldsRead, 11);
    EXPECT_EQ(decoded.record.version.number, 8.0);
}

TEST(HomeFileFormat, HostileLengthsAndTagsFailWithoutReadingPastTheEnd) {
    std::string bytes = EncodeHomeFile(RecordFromSession(SessionState{}));
    // Field 3 a text of 65535 characters, of which the file holds a few.
    std::string longText = bytes.substr(0, 16) + std::string("\x08\x00\xff\xff", 4) + "abc";
    EXPECT_EQ(DecodeHomeFile(longText).status, HomeDecodeStatus::Truncated);
    // A negative length read as signed would be a huge one.
    std::string negative = bytes.substr(0, 16) + std::string("\x08\x00\x00\x80", 4) + bytes.substr(22);
    EXPECT_EQ(DecodeHomeFile(negative).status, HomeDecodeStatus::Truncated);
    // Unknown tags in the required fields.
    for (char tag : {'\x06', '\x07', '\x09', '\x0c', '\xff'}) {
        std::string unknown = bytes;
        unknown[22] = tag;  // field 4's tag
        EXPECT_EQ(DecodeHomeFile(unknown).status, HomeDecodeStatus::UnknownTag) << int(tag);
    }
    // An unknown tag from field 12 on ends the reading there; the fields before it stand.
    std::string late = bytes;
    late[kEndOfField11 + 4 + 10] = '\x07';  // field 14's tag
    const HomeDecodeResult decoded = DecodeHomeFile(late);
    EXPECT_EQ(decoded.status, HomeDecodeStatus::Ok);
    EXPECT_EQ(decoded.fieldsRead, 13);
}

// An earlier writer's file with field 18 as a tagged value.
std::string WithTaggedGpsPort(const std::string& bytes, const std::string& tagged) {
    return bytes.substr(0, kEndOfField17) + tagged + bytes.substr(kEndOfField18);
}

TEST(HomeFileFormat, GpsPortReadsInEitherLayout) {
    HomeRecord record = RecordFromSession(SessionState{});
    record.gpsPort = 3;
    const std::string bare = EncodeHomeFile(record);
    const HomeDecodeResult asWritten = DecodeHomeFile(bare);
    EXPECT_EQ(asWritten.record.gpsPort, 3);
    EXPECT_EQ(asWritten.fieldsRead, kHomeFieldCount);

    // A 16-bit tagged 2 and a 32-bit tagged 2, whose tag bytes read bare would be a port of 2 or 3.
    for (const std::string& tagged :
         {std::string("\x02\x00\x02\x00", 4), std::string("\x03\x00\x02\x00\x00\x00", 6)}) {
        const HomeDecodeResult decoded = DecodeHomeFile(WithTaggedGpsPort(bare, tagged));
        EXPECT_EQ(decoded.record.gpsPort, 2);
        EXPECT_EQ(decoded.fieldsRead, kHomeFieldCount);
    }
    // Files that end with field 18, in either layout.
    EXPECT_EQ(DecodeHomeFile(bare.substr(0, kEndOfField18)).record.gpsPort, 3);
    EXPECT_EQ(DecodeHomeFile(bare.substr(0, kEndOfField18)).fieldsRead, 18);
    const HomeDecodeResult tagged =
        DecodeHomeFile(bare.substr(0, kEndOfField17) + std::string("\x02\x00\x05\x00", 4));
    EXPECT_EQ(tagged.record.gpsPort, 5);
    EXPECT_EQ(tagged.fieldsRead, 18);
}

}  // namespace
}  // namespace talvo
