// `talvo-cli show`: the main window's fields for a site, a moment and a position.
#include <CLI/CLI.hpp>
#include <memory>

#include "app/cli_commands.h"
#include "app/cli_fields.h"
#include "app/cli_options.h"
#include "app/cli_session.h"
#include "app/console_dialogs.h"
#include "forms/form1.h"
#include "session/session_state.h"

namespace talvo {

namespace {

struct ShowOptions {
    CliSessionOptions session;
    CliObjectOptions object;
    bool json = false;
};

int RunShow(const ShowOptions& options, const CliIo& io) {
    SessionState state;
    CliZone zone(options.session, io.systemZone);
    const std::string problem = PrepareCliSession(state, options.session, io.clock, zone.Get(), io.err);
    if (!problem.empty()) return RefuseArguments(io.err, "show", problem);
    ConsoleDialogs dialogs(io.err);
    Form1 form(state, io.clock, zone.Get(), dialogs);
    SelectPositionOrBody(state, options.object);
    form.RefreshAll();

    PrintObject(form, state, options.json, io.out);
    return kCliOk;
}

}  // namespace

CliCommand AddShowCommand(CLI::App& program) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App* show =
        program.add_subcommand("show", "the main window's fields for a site, a moment and a position");
    show->footer(
        "Prints one line 'Field: text' for each field the window shows. Exit code 0, or 2 for\nbad "
        "arguments.");
    AddSessionOptions(*show, options->session);
    AddObjectOptions(*show, options->object);
    show->add_flag("--json", options->json, "one JSON object with the texts and the raw numbers");
    return {show, [options](const CliIo& io) { return RunShow(*options, io); }};
}

}  // namespace talvo
