// Writing files whole: a replacement through a temporary file, and blocks of lines appended by
// several processes at once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/atomic_file.h"
#include "platform/file_append.h"

namespace talvo::platform {
namespace {

namespace fs = std::filesystem;

class FileWritesTest : public ::testing::Test {
protected:
    FileWritesTest() {
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~FileWritesTest() override { fs::remove_all(root_); }

    std::string Read(const fs::path& path) const {
        std::ifstream file(path, std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    std::size_t Entries() const {
        return std::distance(fs::directory_iterator(root_), fs::directory_iterator());
    }

    const fs::path root_ = fs::temp_directory_path() / ("talvo-file-writes-" + std::to_string(::getpid()));
};

TEST_F(FileWritesTest, AReplacementTakesThePlaceOfTheOldFileAndLeavesNothingElse) {
    const std::string path = (root_ / "traces.txt").string();
    std::ofstream(path) << "an old and longer table\r\n";
    ASSERT_TRUE(WriteFileAtomically(path, "new\r\n").ok);
    EXPECT_EQ(Read(path), "new\r\n");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(FileWritesTest, AFailedReplacementGivesTheReasonAndLeavesWhatWasThere) {
    const FileStatus missing = WriteFileAtomically((root_ / "no" / "traces.txt").string(), "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "No such file or directory");

    // A directory in the way: the rename fails after the temporary file was written.
    fs::create_directories(root_ / "traces.txt" / "inside");
    const FileStatus blocked = WriteFileAtomically((root_ / "traces.txt").string(), "x");
    EXPECT_FALSE(blocked.ok);
    EXPECT_FALSE(blocked.reason.empty());
    EXPECT_TRUE(fs::is_directory(root_ / "traces.txt" / "inside"));
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(FileWritesTest, BlocksAppendedByTwoProcessesAtOnceStayWhole) {
    const std::string path = (root_ / "TALVOLOG.TXT").string();
    constexpr int kBlocks = 100;
    pid_t children[2] = {};
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            const std::string mark(1, static_cast<char>('A' + child));
            bool ok = true;
            for (int i = 0; i < kBlocks; ++i) {
                ok = AppendText(path, mark + "1\r\n" + mark + "2\r\n" + mark + "3\r\n") && ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::istringstream lines(Read(path));
    std::string first, second, third;
    int blocks = 0;
    while (std::getline(lines, first) && std::getline(lines, second) && std::getline(lines, third)) {
        ASSERT_EQ(first.substr(1), "1\r");
        ASSERT_EQ(second, first.substr(0, 1) + "2\r");
        ASSERT_EQ(third, first.substr(0, 1) + "3\r");
        ++blocks;
    }
    EXPECT_EQ(blocks, 2 * kBlocks);
}

}  // namespace
}  // namespace talvo::platform
