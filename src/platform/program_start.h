// Starting other programs with an argument vector: no shell ever reads the words, so blanks,
// quotes and other characters in them reach the program as they are.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvo::platform {

struct ProgramStartStatus {
    bool ok = false;
    std::string reason;  // why the program did not start ("No such file or directory"); empty when ok
};

// Starts `program` (a path when it holds a "/", else looked up on PATH) with `arguments` after
// its name, and returns without waiting for it; the finished child is reaped in the background.
// Fails when the program is missing or cannot be executed.
[[nodiscard]] ProgramStartStatus StartProgram(const std::string& program,
                                              const std::vector<std::string>& arguments);

// Runs `program` (found as above) with `arguments`, its input empty and its errors discarded, and
// returns what it printed when it exited with status 0; nothing when it could not be started or
// failed.
[[nodiscard]] std::optional<std::string> ProgramOutput(const std::string& program,
                                                       const std::vector<std::string>& arguments);

}  // namespace talvo::platform
