// Starting a program without a shell: the words of its command as a POSIX shell splits them,
// a stand-in program that records its arguments, programs that cannot be run, and no finished
// child left behind.
#include "platform/start_program.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/temp_dir.h"

namespace talvo::platform {
namespace {

using Words = std::vector<std::string>;

TEST(SplitWords, QuotesAndBackslashesAsAPosixShellReadsThem) {
    EXPECT_EQ(SplitWords("  prog  a\tb\n c "), (Words{"prog", "a", "b", "c"}));
    EXPECT_EQ(SplitWords("prog 'a b' \"c d\" e\\ f"), (Words{"prog", "a b", "c d", "e f"}));
    EXPECT_EQ(SplitWords("prog 'it'\\''s' \"say \\\"hi\\\"\""), (Words{"prog", "it's", "say \"hi\""}));
    // Within double quotes a backslash escapes only $ ` " \ and a line feed.
    EXPECT_EQ(SplitWords("prog \"a\\b\\\\c\\$d\""), (Words{"prog", "a\\b\\c$d"}));
    EXPECT_EQ(SplitWords("prog '' \"\" x''y"), (Words{"prog", "", "", "xy"}));
    EXPECT_EQ(SplitWords("prog a\\\nb"), (Words{"prog", "ab"}));
    // Nothing is expanded: no variables, no home folder, no patterns, no commands.
    EXPECT_EQ(SplitWords("prog $HOME ~ * `id` ;rm"), (Words{"prog", "$HOME", "~", "*", "`id`", ";rm"}));
    EXPECT_EQ(SplitWords(""), Words{});
}

TEST(SplitWords, AnOpenQuoteOrALoneBackslashIsNoCommand) {
    EXPECT_FALSE(SplitWords("prog 'open"));
    EXPECT_FALSE(SplitWords("prog \"open"));
    EXPECT_FALSE(SplitWords("prog \"open\\\""));
    EXPECT_FALSE(SplitWords("prog end\\"));
}

// The process ids of this process's children that have ended and not been waited for.
std::vector<int> Zombies() {
    std::vector<int> zombies;
    const std::string parent = std::to_string(::getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // pid (comm) state ppid ...: the command name may hold blanks, so read after its ")".
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos || close + 4 > line.size()) continue;
        std::istringstream rest(line.substr(close + 2));
        std::string state, ppid;
        rest >> state >> ppid;
        if (state == "Z" && ppid == parent) zombies.push_back(std::stoi(line));
    }
    return zombies;
}

TEST(StartProgram, TheProgramGetsItsArgumentsAndIsReapedWhenItEnds) {
    testing::ScratchDir dir;
    const std::string program = dir.File("records its arguments");
    dir.Write("records its arguments",
              "#!/bin/sh\nfor word in \"$@\"; do printf '%s\\n' \"$word\"; done > '" + dir.File("argv.tmp") +
                  "'\nmv '" + dir.File("argv.tmp") + "' '" + dir.File("argv") + "'\n");
    ASSERT_EQ(::chmod(program.c_str(), 0755), 0);
    const ProgramStart start = StartProgram({program, "a b; c", "", "'q'"});
    ASSERT_TRUE(start.ok) << start.reason;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!std::filesystem::exists(dir.File("argv")) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(dir.Read("argv"), "a b; c\n\n'q'\n");
    // The program has ended (it renamed its file last); its waiter collects it.
    while (!Zombies().empty() && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(Zombies().empty());
}

TEST(StartProgram, AProgramThatCannotRunIsAFailure) {
    testing::ScratchDir dir;
    dir.Write("not executable", "#!/bin/sh\n");
    ::chmod(dir.File("not executable").c_str(), 0644);
    for (const Words& words : {Words{}, Words{""}, Words{"no-such-program-of-talvo"}, Words{dir.File("none")},
                               Words{dir.File("not executable")}}) {
        const ProgramStart start = StartProgram(words);
        EXPECT_FALSE(start.ok) << (words.empty() ? "" : words[0]);
        EXPECT_NE(start.reason, "");
        EXPECT_FALSE(ProgramOutput(words).has_value());
    }
}

TEST(StartProgram, AProgramsOutputIsWhatItPrintedWhenItSucceeded) {
    const std::optional<std::string> printed =
        ProgramOutput({"printf", "[%s]", "two words", "$HOME", "a;b", "\"quoted\"", ""});
    ASSERT_TRUE(printed.has_value());
    EXPECT_EQ(*printed, "[two words][$HOME][a;b][\"quoted\"][]");
    EXPECT_FALSE(ProgramOutput({"false"}).has_value());  // a failure prints nothing usable
}

}  // namespace
}  // namespace talvo::platform
