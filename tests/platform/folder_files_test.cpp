// Listing and removing the files of one folder, never anything outside it.
#include "platform/folder_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace talvo::platform {
namespace {

TEST(FolderFiles, ListsPlainFilesAndRemovesOnlyThoseOfTheFolder) {
    testing::ScratchDir dir;
    std::filesystem::create_directory(dir.File("in"));
    std::filesystem::create_directory(dir.File("in/sub"));
    dir.Write("in/b.tlv", "b");
    dir.Write("in/a.TLV", "a");
    dir.Write("outside.tlv", "o");
    std::filesystem::create_symlink(dir.File("outside.tlv"), dir.File("in/link.tlv"));
    const std::string in = dir.File("in/");

    EXPECT_EQ(ListFolderFiles(in, [](const std::string&) { return true; }),
              (std::vector<std::string>{"a.TLV", "b.tlv", "link.tlv"}));
    EXPECT_TRUE(ListFolderFiles(dir.File("missing/"), [](const std::string&) { return true; }).empty());

    for (const char* refused : {"", ".", "..", "../outside.tlv", "sub/../b.tlv", "sub", "none.tlv"}) {
        EXPECT_FALSE(RemoveFolderFile(in, refused).ok) << refused;
    }
    EXPECT_TRUE(std::filesystem::exists(dir.File("in/sub")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("outside.tlv")));

    // A link goes, what it points to stays.
    EXPECT_TRUE(RemoveFolderFile(in, "link.tlv").ok);
    EXPECT_TRUE(std::filesystem::exists(dir.File("outside.tlv")));
    EXPECT_TRUE(RemoveFolderFile(in, "a.TLV").ok);
    EXPECT_EQ(ListFolderFiles(in, [](const std::string&) { return true; }),
              (std::vector<std::string>{"b.tlv"}));
}

}  // namespace
}  // namespace talvo::platform
