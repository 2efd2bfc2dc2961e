// `talvo-cli find`: the window's search engine, unattended.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>

#include "app/cli_commands.h"
#include "app/cli_options.h"
#include "app/cli_session.h"
#include "catalog/catalog_file.h"
#include "catalog/matches_format.h"
#include "catalog/search_engine.h"
#include "engine/text_format.h"
#include "platform/data_dirs.h"

namespace talvo {

namespace {

void PrintMatch(const SessionState& state, std::ostream& out) {
    for (const std::string& line : MatchesEntry(state, state.search.MatchCursor + 1)) {
        out << Cp1252ToUtf8(line) << '\n';
    }
}

// The closing message with its line breaks (line feed, carriage return) as plain line feeds.
std::string TerminalText(std::string text) {
    for (std::size_t at = text.find(SearchEngine::kBreak); at != std::string::npos;
         at = text.find(SearchEngine::kBreak)) {
        text.replace(at, 2, "\n");
    }
    return Cp1252ToUtf8(text);
}

// A limit as typed: blank is `none`, anything else its leading number.
double LimitOrNone(const std::string& text, double none) {
    return text.find_first_not_of(' ') == std::string::npos ? none : LeadingNumber(text);
}

struct FindOptions {
    CliSessionOptions session;
    std::string name;  // the name to search for (with "*" as a wildcard)
    std::string secondName;
    std::string minimumAltitude;  // degrees, as typed; empty: no limit
    std::string maximumAltitude;
    std::string faintestMagnitude;
    std::string catalogPath;  // empty: the default catalog beside the program
    bool bestOf = false;      // Best of the Sky instead of a name
};

int RunFind(const FindOptions& options, const CliIo& io) {
    if (options.name.empty() && !options.bestOf) {
        return RefuseArguments(io.err, "find", "give the name to search for, or --best-of");
    }
    SessionState state;
    state.scriptMode = true;
    CliZone zone(options.session, io.systemZone);
    const std::string problem = PrepareCliSession(state, options.session, io.clock, zone.Get(), io.err);
    if (!problem.empty()) return RefuseArguments(io.err, "find", problem);

    state.catalogFolder = platform::ReadableFolder(state.appDir, state.dataDir, state.catalogFileName);
    if (!options.catalogPath.empty()) {
        std::filesystem::path path(options.catalogPath);
        state.catalogFileName = path.filename().string();
        state.catalogFolder = path.has_parent_path() ? path.parent_path().string() : std::string(".");
    }
    if (!ReadCatalogFlag(state, state.catalogFileName, state.catalogFolder)) {
        io.err << "talvo-cli find: CANNOT OPEN CATALOG " << state.catalogFileName << '\n';
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
    for (; outcome == SearchOutcome::Found; outcome = engine.Next()) PrintMatch(state, io.out);
    if (outcome == SearchOutcome::CatalogUnreadable) {
        io.err << "talvo-cli find: " << TerminalText(engine.LastMessage()) << '\n';
        return kCliBadArguments;
    }
    io.out << TerminalText(engine.LastMessage()) << '\n';
    if (!engine.MatchesError().empty()) {
        io.err << "talvo-cli find: the matches file " << engine.MatchesPath()
               << " could not be written: " << engine.MatchesError() << '\n';
        return kCliBadArguments;
    }
    return anything ? kCliOk : kCliNothingFound;
}

}  // namespace

CliCommand AddFindCommand(CLI::App& program) {
    auto options = std::make_shared<FindOptions>();
    CLI::App* find = program.add_subcommand("find", "search a catalog as the window's searches do");
    find->footer(
        "Prints every match as the matches file lists it, then the closing message. Exit code 0\n"
        "when something was found, 1 when nothing was, 2 for bad arguments.");
    CLI::Option* name = find->add_option("NAME", options->name,
                                         "a name as the window's search takes it: M31, crab, 'NGC 7009',\n"
                                         "'Alp* Lib' ('*' is a wildcard; a trailing blank demands\n"
                                         "the whole name; quote a name with blanks)");
    name->type_name("");
    find->add_flag("--best-of", options->bestOf, "the Best of the Sky for the site and moment")
        ->excludes(name);
    find->add_option("--second", options->secondName, "a second name every match must also carry")
        ->type_name("NAME");
    // The limits are kept as typed, checked as plain decimals; an empty one is no limit.
    const std::string altitudeOutside = "the altitude must be between -90 and 90 degrees";
    find->add_option("--min-alt", options->minimumAltitude, "the lowest altitude, degrees (default -90)")
        ->type_name("DEG")
        ->check(ReadBy(DecimalIn(-90, 90, altitudeOutside)));
    find->add_option("--max-alt", options->maximumAltitude, "the highest altitude, degrees (default 90)")
        ->type_name("DEG")
        ->check(ReadBy(DecimalIn(-90, 90, altitudeOutside)));
    find->add_option("--max-mag", options->faintestMagnitude, "the faintest magnitude")
        ->type_name("MAG")
        ->check(ReadBy(DecimalIn(-30, 100, "the magnitude must be between -30 and 100")));
    find->add_option("--catalog", options->catalogPath,
                     "the catalog to search (default FULL.TLV beside the program)")
        ->type_name("FILE");
    AddSessionOptions(*find, options->session);
    return {find, [options](const CliIo& io) { return RunFind(*options, io); }};
}

}  // namespace talvo
