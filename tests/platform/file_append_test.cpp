// Blocks of lines appended by two processes at once stay whole.
#include "platform/file_append.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace talvo::platform {
namespace {

namespace fs = std::filesystem;

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
