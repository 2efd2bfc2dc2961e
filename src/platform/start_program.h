// Starting another program on the observer's behalf, without a shell: the command text is split
// into words as a POSIX shell would split it, and the first word is looked for on PATH.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvo::platform {

// Splits `text` into words as a POSIX shell splits a simple command, without any expansion:
// blanks, tabs and line feeds separate words; 'single quotes' keep everything up to the next
// single quote; "double quotes" keep everything up to the next unescaped double quote, where a
// backslash escapes only $ ` " \ and a line feed; outside quotes a backslash keeps the next
// character (a backslash before a line feed joins the lines). '' and "" make an empty word.
// Nothing when a quote is left open or the text ends in a lone backslash.
[[nodiscard]] std::optional<std::vector<std::string>> SplitWords(const std::string& text);

struct ProgramStart {
    bool ok = false;
    std::string reason;  // why the program was not started; empty when it was
};

// Starts the program `words[0]` (a name found on PATH, or a path) with `words` as its argument
// vector, its standard input /dev/null, in a session of its own, and does not wait for it: a
// detached thread waits for its end, so that no finished child is left behind. Fails when
// `words` is empty or the program cannot be run (missing, not executable).
[[nodiscard]] ProgramStart StartProgram(const std::vector<std::string>& words);

// Runs the program `words[0]` (found as above) with `words` as its argument vector, its input
// empty and its errors discarded, waits for it, and returns what it printed when it exited with
// status 0; nothing when it could not be started or failed.
[[nodiscard]] std::optional<std::string> ProgramOutput(const std::vector<std::string>& words);

}  // namespace talvo::platform
