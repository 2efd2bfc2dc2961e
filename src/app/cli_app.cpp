#include "app/cli_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "app/cli_commands.h"

namespace talvo {

namespace {

// What is left over after the options a command knows.
std::string Unexpected(const std::string& command, const std::string& text) {
    if (!text.empty() && text[0] == '-') {
        return "unknown option '" + text + "' (talvo-cli " + command + " --help lists the options)";
    }
    return "unexpected argument '" + text + "'";
}

}  // namespace

int RefuseArguments(std::ostream& err, const std::string& command, const std::string& problem) {
    std::string line = problem;
    std::replace(line.begin(), line.end(), '\n', ' ');  // a value typed with a line break stays on the line
    err << "talvo-cli" << (command.empty() ? "" : " " + command) << ": " << line << '\n';
    return kCliBadArguments;
}

int RunCli(const std::vector<std::string>& args, const platform::Clock& clock,
           const platform::TimeZone& systemZone, std::ostream& out, std::ostream& err) {
    CLI::App program("The program's computations and searches from a terminal or a script, without a window.",
                     "talvo-cli");
    program.require_subcommand(0, 1);  // one command at most; RunCli asks for one when none is given
    program.footer("talvo-cli COMMAND --help shows the options of a command.");
    // As typed by hand, a repeated option means its last value.
    program.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    std::vector<CliCommand> commands;
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes the arguments last first
    try {
        commands = {AddShowCommand(program),      AddFindCommand(program),
                    AddGotoCommand(program),      AddScopePositionCommand(program),
                    AddPortsCommand(program),     AddGpsCommand(program),
                    AddScopeSiteCommand(program), AddScopeUploadCommand(program),
                    AddScriptCommand(program),    AddMakeTransientCommand(program)};
        for (CliCommand& command : commands) command.parser->allow_extras();
        program.parse(reversed);
    } catch (const CLI::Error& error) {
        if (error.get_exit_code() == 0) {  // --help
            out << program.help();
            return kCliOk;
        }
        if (!program.get_subcommands().empty()) {
            return RefuseArguments(err, program.get_subcommands().front()->get_name(), error.what());
        }
        const std::string first = args.empty() ? "" : args.front();
        return RefuseArguments(err, "", "unknown command '" + first + "' (talvo-cli --help lists them)");
    }
    for (const CliCommand& command : commands) {  // at most one was chosen
        if (!command.parser->parsed()) continue;
        const std::string name = command.parser->get_name();
        std::vector<std::string> extras = command.parser->remaining();
        if (!extras.empty()) return RefuseArguments(err, name, Unexpected(name, extras.front()));
        return command.run({clock, systemZone, out, err});
    }
    return RefuseArguments(err, "", "give a command (talvo-cli --help lists them)");
}

}  // namespace talvo
