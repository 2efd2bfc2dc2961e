// Replacing a file whole: the new bytes in place, or the old file untouched, whatever happens.
#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace talvo::platform {
namespace {

using testing::ScratchDir;

TEST(AtomicFile, ReplacesTheFileAndKeepsItsMode) {
    ScratchDir dir;
    dir.Write("a.HOM", "old");
    ASSERT_EQ(::chmod(dir.File("a.HOM").c_str(), 0600), 0);
    const FileWriteStatus status = WriteFileAtomically(dir.File("a.HOM"), "new bytes");
    ASSERT_TRUE(status.ok) << status.reason;
    EXPECT_EQ(dir.Read("a.HOM"), "new bytes");
    EXPECT_EQ(dir.Listing(), "a.HOM");
    struct stat info {};
    ASSERT_EQ(::stat(dir.File("a.HOM").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(AtomicFile, MissingDirectoryGivesTheSystemsReason) {
    ScratchDir dir;
    const FileWriteStatus status = WriteFileAtomically(dir.File("none/a.HOM"), "x");
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.reason, "No such file or directory");
}

TEST(AtomicFile, FullDiskLeavesTheOldFileAndNoTemporary) {
    ScratchDir dir;
    const std::string old(300, 'o');
    dir.Write("a.HOM", old);
    const std::string reason = testing::RunWithFileSizeLimit(1000, [&dir] {
        const FileWriteStatus status = WriteFileAtomically(dir.File("a.HOM"), std::string(5000, 'n'));
        return status.ok ? std::string("written") : status.reason;
    });
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(dir.Read("a.HOM"), old);
    EXPECT_EQ(dir.Listing(), "a.HOM");
}

// A writer killed at any moment leaves the old bytes or the new ones, never a mixture or a
// shortened file.
TEST(AtomicFile, KilledWriterNeverLeavesATornFile) {
    ScratchDir dir;
    const std::string first(4000, 'a'), second(9000, 'b');
    ASSERT_TRUE(WriteFileAtomically(dir.File("a.HOM"), first).ok);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                static_cast<void>(WriteFileAtomically(dir.File("a.HOM"), i % 2 ? first : second));
        }
        ::usleep(static_cast<useconds_t>(1000 + 700 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = dir.Read("a.HOM");
        ASSERT_TRUE(now == first || now == second) << "round " << round << ": " << now.size() << " bytes";
    }
}

}  // namespace
}  // namespace talvo::platform
