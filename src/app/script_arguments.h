// The script a program was started with: its command-line arguments, or a script file.
#pragma once

#include <string>
#include <vector>

namespace talvo {

struct ScriptArguments {
    bool given = false;  // a script was given (it may hold no command)
    std::vector<std::string> commands;
    std::string problem;  // why the script is refused; empty when it may run
};

// The program's arguments (without the program's name): none is no script; "--script FILE" takes
// the commands of the file (one or more a line, ";" or line ends between them, blank lines
// skipped); anything else is the command line's text, the arguments joined by blanks and split at
// ";". More than 25 commands, a file that cannot be read, or "--script" without exactly one file
// is refused.
[[nodiscard]] ScriptArguments ParseCommandLine(const std::vector<std::string>& arguments);

// The commands of a script file, refused as ParseCommandLine refuses them.
[[nodiscard]] ScriptArguments ReadScriptFile(const std::string& path);

// The commands of a command line's text, refused as ParseCommandLine refuses them.
[[nodiscard]] ScriptArguments ScriptFromText(const std::string& text);

}  // namespace talvo
