// The talvo-cli commands. Each adds its subcommand and options to the program's parser and
// returns how it runs once they are read; a new command is one file with one such function and
// its entry in RunCli's list.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "platform/clock.h"
#include "platform/time_zone.h"

namespace CLI {
class App;
}

namespace talvo {

// Exit codes of the companion.
inline constexpr int kCliOk = 0;
inline constexpr int kCliNothingFound = 1;
inline constexpr int kCliBadArguments = 2;

// What a command reads besides its options, and where it writes.
struct CliIo {
    const platform::Clock& clock;
    const platform::TimeZone& systemZone;
    std::ostream& out;
    std::ostream& err;
};

struct CliCommand {
    CLI::App* parser;                         // the subcommand, owned by the program's parser
    std::function<int(const CliIo& io)> run;  // returns the exit code
};

CliCommand AddShowCommand(CLI::App& program);
CliCommand AddFindCommand(CLI::App& program);
CliCommand AddGotoCommand(CLI::App& program);
CliCommand AddScopePositionCommand(CLI::App& program);
CliCommand AddPortsCommand(CLI::App& program);
CliCommand AddGpsCommand(CLI::App& program);
CliCommand AddScopeSiteCommand(CLI::App& program);
CliCommand AddScopeUploadCommand(CLI::App& program);
CliCommand AddScriptCommand(CLI::App& program);
CliCommand AddMakeTransientCommand(CLI::App& program);

// Writes the one line that says what is wrong with the arguments of `command` ("" before a
// command is known) and returns the exit code for it.
int RefuseArguments(std::ostream& err, const std::string& command, const std::string& problem);

}  // namespace talvo
