#include <gtest/gtest.h>

#include "catalog/catalog_file.h"
#include "catalog/catalog_reader.h"
#include "catalog_fixture.h"

namespace talvo {
namespace {

std::vector<std::string> ReadAll(const std::string& path) {
    CatalogReader reader;
    std::vector<std::string> lines;
    if (!reader.Open(path)) return {"(cannot open)"};
    for (std::string line; reader.ReadNextEntry(line);) lines.push_back(line);
    return lines;
}

class CatalogReadingTest : public testing::SearchTest {};

TEST_F(CatalogReadingTest, LineEndsAndLineLengths) {
    testing::WriteFile(dir.File("a.tlv"), "one\r\ntwo\n\r\n" + std::string(3000, 'x') + "\r\nlast");
    std::vector<std::string> lines = ReadAll(dir.File("a.tlv"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[1], "two");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], std::string(CatalogReader::kMaxLineLength, 'x'));  // the rest is skipped
    EXPECT_EQ(lines[4], "last");
}

// Lines no catalog should hold are read past; the entries after them are still found.
TEST_F(CatalogReadingTest, OddLinesDoNotStopASearch) {
    std::string bytes = std::string(5 << 20, 'A');  // 5 MB, and no line end at all
    UseCatalog({});
    testing::WriteFile(dir.File("cat.tlv"), bytes);
    EXPECT_FALSE(ReadCatalogFlag(state, "cat.tlv", dir.path()).empty());
    EXPECT_FALSE(Find("ZZZ"));
    EXPECT_EQ(engine.LastMessage(), "Object ZZZ  Not Found in Catalog cat.tlv");

    std::string tabs = "M31\t\xFF\xFE" + std::string(200, '\t');
    testing::WriteFile(dir.File("cat.tlv"),
                       bytes + "\n" + tabs + "\r\nM31\n" + High({"\xC9ta Car"}) + "\r\n");
    ASSERT_TRUE(Find("\xC9TA"));
    EXPECT_EQ(state.object.name1, "\xC9ta Car     ");
    ASSERT_TRUE(Find("M31"));  // tabs and bytes above 127 are characters like any other
    EXPECT_EQ(state.object.name1, "M31\t\xFF\xFE" + std::string(6, '\t'));
    ASSERT_TRUE(Find("M31 "));  // the short line: every field past the name blank
    EXPECT_EQ(state.object.name1, "M31");
    EXPECT_EQ(state.search.MatchLines[0], "M31" + std::string(97, ' '));
}

TEST_F(CatalogReadingTest, CatalogsThatCannotBeOpened) {
    testing::WriteFile(dir.File("empty.tlv"), "");
    std::filesystem::create_directory(dir.File("folder.tlv"));
    for (const char* name : {"empty.tlv", "missing.tlv", "folder.tlv"}) {
        EXPECT_EQ(ReadCatalogFlag(state, name, dir.path()), "") << name;
        // A search behaves as in an empty catalog.
        state.catalogFileName = name;
        state.catalogFolder = dir.path();
        EXPECT_FALSE(Find("M31"));
        EXPECT_EQ(dialogs.messages.back().text, std::string("Object M31  Not Found in Catalog ") + name);
    }
}

}  // namespace
}  // namespace talvo
