// `talvo-cli find`: the window's search engine, unattended.
#include <filesystem>

#include "app/cli_session.h"
#include "app/console_dialogs.h"
#include "catalog/catalog_file.h"
#include "catalog/main_window_hooks.h"
#include "catalog/matches_report.h"
#include "catalog/search_engine.h"
#include "catalog/searching_window.h"
#include "engine/text_format.h"
#include "platform/program_dir.h"

namespace talvo {

namespace {

void PrintMatch(const SessionState& state, std::ostream& out) {
    for (const std::string& line : MatchesEntry(state, state.search.MatchCursor + 1)) {
        out << Cp1252ToUtf8(line) << '\n';
    }
}

// The closing message with its line breaks (line feed, carriage return) as plain line feeds.
std::string TerminalText(std::string text) {
    for (std::size_t at = text.find(SearchEngine::kBreak); at != std::string::npos; at = text.find(SearchEngine::kBreak)) {
        text.replace(at, 2, "\n");
    }
    return Cp1252ToUtf8(text);
}

}  // namespace

int RunFind(const CliOptions& options, const platform::Clock& clock, const platform::TimeZone& systemZone,
            std::ostream& out, std::ostream& err) {
    SessionState state;
    state.appDir = platform::ProgramDirectory();
    state.scriptMode = true;
    CliZone zone(options, systemZone);
    PrepareCliSession(state, options, clock, zone.Get());

    state.catalogFolder = state.appDir;
    if (!options.catalogPath.empty()) {
        std::filesystem::path path(options.catalogPath);
        state.catalogFileName = path.filename().string();
        state.catalogFolder = path.has_parent_path() ? path.parent_path().string() : std::string(".");
    }
    if (ReadCatalogFlag(state, state.catalogFileName, state.catalogFolder).empty()) {
        err << "talvo-cli find: CANNOT OPEN CATALOG " << state.catalogFileName << '\n';
        return kCliBadArguments;
    }

    ConsoleDialogs dialogs(err);
    NoMainWindow mainWindow;
    Searching searching;
    SearchEngine engine(state, dialogs, mainWindow, searching);
    bool found;
    if (options.bestOf) {
        found = engine.BestOfTheSky();
    } else {
        SearchRequest request;
        request.name = options.name;
        request.secondName = options.secondName;
        request.minimumAltitude = options.minimumAltitude;
        request.maximumAltitude = options.maximumAltitude;
        request.faintestMagnitude = options.faintestMagnitude;
        found = engine.StartSearch(request);
    }
    bool anything = found;
    while (found) {
        PrintMatch(state, out);
        found = engine.NextMatch();
    }
    out << TerminalText(engine.LastMessage()) << '\n';
    return anything ? kCliOk : kCliNothingFound;
}

}  // namespace talvo
