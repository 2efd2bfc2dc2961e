// The commands of a script: the command line's text split at ";", or a script file's lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace talvo {

inline constexpr std::size_t kMaxScriptCommands = 25;

// Splits the command line's text into commands at ";", in order. Each command runs from the
// character after a ";" up to the next ";" or the end of the text; a ";" as the last character
// adds no empty command, and a text of a single character holds no command. Within a SHELL
// command a ";" in quotes, or after a backslash, belongs to the command (its program's
// arguments are quoted as in a POSIX shell).
std::vector<std::string> SplitScript(const std::string& text);

// The commands of a script file: each line (ending in LF or CR LF) split as the command line
// is; lines of blanks only are skipped.
std::vector<std::string> ScriptFileCommands(const std::string& contents);

// A script ready to run, or why it is refused.
struct ScriptCommands {
    std::vector<std::string> commands;
    std::string problem;  // empty when the script may run
};

// The commands, refused as a whole when there are more than kMaxScriptCommands: running part of
// a script would leave its end (often its EXIT or COMMAND) silently undone.
ScriptCommands LimitedScript(std::vector<std::string> commands);

// The keyword of a command: the letters and digits that stand right before its first "=", in
// upper case, when they end in one of the script's keywords (text before the keyword plays no
// part: "2000RA=" is RA); otherwise empty. `keywordStart` is set to where the keyword begins.
std::string ScriptKeyword(const std::string& command, std::size_t& keywordStart);

}  // namespace talvo
