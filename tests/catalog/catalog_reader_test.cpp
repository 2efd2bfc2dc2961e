// The catalog reader over files many times larger than one read, against a plain split of the
// same bytes: line ends of both kinds, lines cut at the limit, lines longer than a whole read.
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
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t feed = std::min(bytes.find('\n', start), bytes.size());
        std::string line = bytes.substr(start, std::min(feed - start, kLimit));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = feed + 1;
    }
    return lines;
}

TEST(CatalogReader, ReadsWhatAPlainSplitReads) {
    const std::string atLimit(kLimit, 'x');
    std::vector<std::string> files = {"",
                                      "\n",
                                      "one\r\ntwo\n\r\n" + std::string(3000, 'x') + "\r\nlast",
                                      atLimit + "\r\nnext",
                                      atLimit + "y\nnext\n",
                                      atLimit.substr(1) + "\r\n",
                                      atLimit + std::string(1 << 20, 'y')};
    // Short lines over more than a MB, shifted a byte at a time: a read ends on every byte of a
    // line and of its line end.
    for (const std::string unit : {"ab\r\n", "abc\n", "\r\n"}) {
        for (std::size_t shift = 0; shift < unit.size(); ++shift) {
            std::string& bytes = files.emplace_back(std::string(shift, 's') + "\n");
            for (std::size_t i = 0; i < (5u << 18) / unit.size(); ++i) bytes += unit;
        }
    }
    // Lines of every length up to a little over the limit, a few far longer than a read, a CR at
    // the cut or before the line feed, and a last line without its line end.
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t below) {
        seed = seed * 1664525u + 1013904223u;  // the Numerical Recipes generator
        return (seed >> 8) % below;
    };
    std::string& mixed = files.emplace_back();
    for (int line = 0; mixed.size() < (6u << 20); ++line) {
        std::size_t length = line % 997 == 500 ? 700000 : next(kLimit + 8);
        if (line % 50 == 0) length = kLimit - 2 + next(5);
        for (std::size_t i = 0; i < length; ++i) mixed += static_cast<char>('a' + next(26));
        mixed += next(3) == 0 ? "\r\n" : "\n";
    }
    mixed += "last line";

    testing::TempDir dir;
    for (std::size_t f = 0; f < files.size(); ++f) {
        testing::WriteFile(dir.File("lines.tlv"), files[f]);
        CatalogReader reader;
        ASSERT_TRUE(reader.Open(dir.File("lines.tlv")));
        std::vector<std::string> lines;
        for (std::string line; reader.ReadNextEntry(line);) lines.push_back(line);
        std::string_view after;
        EXPECT_FALSE(reader.NextLine(after)) << "file " << f << " read past its end";
        const std::vector<std::string> expected = PlainSplit(files[f]);
        ASSERT_EQ(lines.size(), expected.size()) << "file " << f;
        for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], expected[i]) << f << " line " << i;
    }
}

}  // namespace
}  // namespace talvo
