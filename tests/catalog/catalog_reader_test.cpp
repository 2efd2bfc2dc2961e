// The catalog reader over files many times larger than one read: lines that straddle two reads,
// line ends split between them, lines cut at the limit on either side of a read's edge, and
// lines longer than a whole read.
#include "catalog/catalog_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalog_fixture.h"

namespace talvo {
namespace {

constexpr std::size_t kLimit = CatalogReader::kMaxLineLength;

// The lines of `bytes` split the plain way: at each line feed, cut at the limit, less a CR at the
// end, and no line after a final line feed.
std::vector<std::string> PlainSplit(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t feed = bytes.find('\n', start);
        if (feed == std::string::npos) feed = bytes.size();
        std::string line = bytes.substr(start, std::min(feed - start, kLimit));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = feed + 1;
    }
    return lines;
}

class CatalogReaderTest : public ::testing::Test {
protected:
    // The lines of `bytes` written to a file and read back through NextLine.
    std::vector<std::string> ReadBack(const std::string& bytes) {
        testing::WriteFile(dir.File("lines.tlv"), bytes);
        CatalogReader reader;
        std::vector<std::string> lines;
        if (!reader.Open(dir.File("lines.tlv"))) return {"(cannot open)"};
        for (std::string_view line; reader.NextLine(line);) lines.emplace_back(line);
        std::string_view after;
        if (reader.NextLine(after)) lines.emplace_back("(read past the end)");
        return lines;
    }

    testing::TempDir dir;
};

// Short lines repeated over more than a MB, shifted by a byte at a time, so that the edges of the
// reads fall on every byte of a line and of its line end.
TEST_F(CatalogReaderTest, EveryByteOfALineMayEndARead) {
    for (const std::string unit : {"ab\r\n", "abc\n", "\r\n", "x\r\n"}) {
        const std::string body = unit.substr(0, unit.find_first_of("\r\n"));
        for (std::size_t shift = 0; shift < unit.size(); ++shift) {
            std::string bytes = std::string(shift, 's') + "\n";
            const std::size_t count = (5u << 18) / unit.size();
            bytes.reserve(bytes.size() + count * unit.size());
            for (std::size_t i = 0; i < count; ++i) bytes += unit;
            testing::WriteFile(dir.File("lines.tlv"), bytes);

            CatalogReader reader;
            ASSERT_TRUE(reader.Open(dir.File("lines.tlv")));
            std::string_view line;
            ASSERT_TRUE(reader.NextLine(line));
            ASSERT_EQ(line, std::string(shift, 's'));
            std::size_t read = 0;
            while (reader.NextLine(line) && line == body) ++read;
            EXPECT_EQ(read, count) << "unit " << unit.size() << " shift " << shift << ": " << line;
            EXPECT_FALSE(reader.NextLine(line));
        }
    }
}

// Lines of any length up to a little over the limit, a few far longer than a read, both line
// ends, and a last line without one.
TEST_F(CatalogReaderTest, LinesOfEveryLengthAcrossReads) {
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t below) {
        state = state * 1664525u + 1013904223u;  // the Numerical Recipes generator
        return (state >> 8) % below;
    };
    std::string bytes;
    for (int line = 0; bytes.size() < (6u << 20); ++line) {
        std::size_t length = line % 997 == 500 ? 700000 : next(kLimit + 8);
        if (line % 50 == 0) length = kLimit - 2 + next(5);  // around the cut
        for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>('a' + next(26));
        if (next(3) == 0) bytes += '\r';  // a CR at the cut, or a CR LF line end
        bytes += '\n';
    }
    bytes += "last line";
    const std::vector<std::string> lines = ReadBack(bytes);
    const std::vector<std::string> expected = PlainSplit(bytes);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], expected[i]) << "line " << i;
}

// A line cut at the limit is the limit long whether its line end, or the end of the file, comes
// right after the cut or much later; the next line is read whole.
TEST_F(CatalogReaderTest, TheCutAtTheLimit) {
    const std::string atLimit(kLimit, 'x');
    EXPECT_EQ(ReadBack(atLimit + "\r\nnext"), (std::vector<std::string>{atLimit, "next"}));
    EXPECT_EQ(ReadBack(atLimit + "y\nnext\n"), (std::vector<std::string>{atLimit, "next"}));
    EXPECT_EQ(ReadBack(atLimit.substr(1) + "\r\n"), (std::vector<std::string>{atLimit.substr(1)}));
    EXPECT_EQ(ReadBack(atLimit + std::string(1 << 20, 'y')), (std::vector<std::string>{atLimit}));
    EXPECT_EQ(ReadBack(""), std::vector<std::string>{});
    EXPECT_EQ(ReadBack("\n"), std::vector<std::string>{""});
}

}  // namespace
}  // namespace talvo
