// `talvo-cli find`: the window's search engine, unattended.
#include <filesystem>

#include "app/cli_session.h"
#include "catalog/catalog_file.h"
#include "catalog/matches_format.h"
#include "catalog/search_engine.h"
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

// A limit as typed: blank is `none`, anything else its leading number.
double LimitOrNone(const std::string& text, double none) {
    return text.find_first_not_of(' ') == std::string::npos ? none : LeadingNumber(text);
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
    if (!ReadCatalogFlag(state, state.catalogFileName, state.catalogFolder)) {
        err << "talvo-cli find: CANNOT OPEN CATALOG " << state.catalogFileName << '\n';
        return kCliBadArguments;
    }

    SearchEngine engine(state);
    SearchRequest request = BestOfTheSkyRequest();
    if (!options.bestOf) {
        request = SearchRequest{};
        request.name = options.name;
        request.secondName = options.secondName;
        request.minimumAltitude = LimitOrNone(options.minimumAltitude, kNoMinimumAltitude);
        request.maximumAltitude = LimitOrNone(options.maximumAltitude, kNoMaximumAltitude);
        request.faintestMagnitude = LimitOrNone(options.faintestMagnitude, DefaultFaintestMagnitude(state));
    }
    SearchOutcome outcome = engine.Start(request);
    const bool anything = outcome == SearchOutcome::Found;
    for (; outcome == SearchOutcome::Found; outcome = engine.Next()) PrintMatch(state, out);
    if (outcome == SearchOutcome::CatalogUnreadable) {
        err << "talvo-cli find: " << TerminalText(engine.LastMessage()) << '\n';
        return kCliBadArguments;
    }
    out << TerminalText(engine.LastMessage()) << '\n';
    if (!engine.MatchesError().empty()) {
        err << "talvo-cli find: the matches file " << engine.MatchesPath()
            << " could not be written: " << engine.MatchesError() << '\n';
        return kCliBadArguments;
    }
    return anything ? kCliOk : kCliNothingFound;
}

}  // namespace talvo
