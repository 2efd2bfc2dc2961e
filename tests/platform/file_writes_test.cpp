// Files written whole: a replacement through a temporary file, and blocks of lines appended by
// two processes at once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/atomic_file.h"
#include "platform/file_append.h"

namespace talvo::platform {
namespace {

namespace fs = std::filesystem;

TEST(FileWrites, AFailedReplacementGivesTheReasonAndLeavesNothingBehind) {
    const fs::path root = fs::temp_directory_path() / ("talvo-file-writes-" + std::to_string(::getpid()));
    fs::create_directories(root / "traces.txt" / "inside");  // a directory in the rename's way
    const FileStatus blocked = WriteFileAtomically((root / "traces.txt").string(), "x");
    EXPECT_FALSE(blocked.ok);
    EXPECT_EQ(blocked.reason, "Is a directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
    fs::remove_all(root);
}

TEST(FileWrites, BlocksAppendedByTwoProcessesAtOnceStayWhole) {
    const fs::path path = fs::temp_directory_path() / ("talvo-log-" + std::to_string(::getpid()));
    constexpr int kBlocks = 100;
    pid_t children[2] = {};
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            const char mark = static_cast<char>('A' + child);
            bool ok = true;
            for (int i = 0; i < kBlocks; ++i)
                ok = AppendText(path, std::string{mark, '1', '\n', mark, '2', '\n'}) && ok;
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::stringstream bytes;
    bytes << std::ifstream(path).rdbuf();
    int blocks = 0;
    for (std::string first, second; std::getline(bytes, first) && std::getline(bytes, second); ++blocks) {
        ASSERT_EQ(second, first.substr(0, 1) + "2");
    }
    EXPECT_EQ(blocks, 2 * kBlocks);
    fs::remove(path);
}

}  // namespace
}  // namespace talvo::platform
