// `talvo-cli script`: the window's script processor without a window. The main window's model
// runs as it does on the screen; its tick is a loop over the same per-tick driver.
#include <CLI/CLI.hpp>
#include <chrono>
#include <memory>
#include <thread>

#include "app/cli_commands.h"
#include "app/cli_scope_link.h"
#include "app/cli_session.h"
#include "app/console_dialogs.h"
#include "app/script_arguments.h"
#include "engine/text_format.h"
#include "forms/form1.h"
#include "platform/data_dirs.h"

namespace talvo {

namespace {

// How often a WAIT or SLEEP looks at the clock: more often than the clock's seconds change.
constexpr auto kPauseTick = std::chrono::milliseconds(200);

struct ScriptOptions {
    CliSessionOptions session;
    ScopeLinkOptions link;
    std::string text;  // the commands, separated by ";"
    std::string file;  // or a script file
};

int RunScript(const ScriptOptions& options, const CliIo& io) {
    if (options.text.empty() == options.file.empty()) {
        return RefuseArguments(io.err, "script", "give the commands, or --script FILE");
    }
    const ScriptArguments script =
        options.file.empty() ? ScriptFromText(options.text) : ReadScriptFile(options.file);
    if (!script.problem.empty()) return RefuseArguments(io.err, "script", script.problem);

    SessionState state;
    state.scriptMode = true;
    CliZone zone(options.session, io.systemZone);
    std::string problem = PrepareCliSession(state, options.session, io.clock, zone.Get(), io.err);
    if (problem.empty() && (options.link.model || options.link.port)) {
        problem = ApplyScopeLink(state, options.link, options.session.fixedEpoch.has_value());
    }
    if (!problem.empty()) return RefuseArguments(io.err, "script", problem);
    state.catalogFolder = platform::ReadableFolder(state.appDir, state.dataDir, state.catalogFileName);

    ConsoleDialogs dialogs(io.err);
    Form1 form(state, io.clock, zone.Get(), dialogs);
    form.script.echo = [&io](const std::string& line) {
        io.err << "talvo-cli script: " << Cp1252ToUtf8(line) << '\n';
    };
    form.script.Start(script.commands);
    form.Form_Load();
    for (;;) {
        form.Timer1_Timer();
        if (const std::optional<int> code = form.script.ExitRequested()) return *code;
        if (!state.scriptMode) {
            io.err << "talvo-cli script: STAY hands the run to an observer; without a window it ends here\n";
            return kCliOk;
        }
        if (form.script.Paused()) std::this_thread::sleep_for(kPauseTick);
    }
}

}  // namespace

CliCommand AddScriptCommand(CLI::App& program) {
    auto options = std::make_shared<ScriptOptions>();
    CLI::App* command =
        program.add_subcommand("script", "run a script of commands unattended, as the window does");
    command->footer(
        "Runs the commands one after the other and writes each outcome to the observing log\n"
        "(TALVOLOG.TXT) and to standard error. Exit code 0 when every command succeeded, 1 for\n"
        "\"Match not found\" and the exit time, 2 for any other failure and for bad arguments.");
    command
        ->add_option("COMMANDS", options->text,
                     "the commands, separated by ';': \"CAT=MESSIER.TLV;FIND=M42;GOTO=1\"")
        ->type_name("");
    command->add_option("--script", options->file, "a file of commands, one or more a line")
        ->type_name("FILE");
    AddScopeLinkOptions(*command, options->link);
    AddSessionOptions(*command, options->session);
    return {command, [options](const CliIo& io) { return RunScript(*options, io); }};
}

}  // namespace talvo
