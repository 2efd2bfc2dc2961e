// `talvo-cli make-transient`: a transient catalog for one comet or asteroid, made offline from
// its orbital elements (the one-line formats of the Minor Planet Center) and written into the
// transient folder, where the window's comet and asteroid list finds it.
#include <CLI/CLI.hpp>
#include <memory>

#include "app/cli_commands.h"
#include "app/cli_values.h"
#include "forms/transient_making.h"
#include "platform/data_dirs.h"
#include "platform/program_dir.h"

namespace talvo {

namespace {

constexpr int kDefaultDays = 60;    // hourly lines: two months ahead
constexpr int kDefaultHours = 24;   // per-minute lines of a near-Earth object: a day ahead
constexpr int kMostLines = 400000;  // a catalog a search still reads in a moment

struct MakeTransientOptions {
    std::string elements;
    std::string object;
    std::string start;
    int days = 0;
    int hours = 0;
    bool nearEarth = false;
    std::string out;
};

// Today's date in UTC by the computer's clock and time zone.
CliDate TodayUtc(const CliIo& io) {
    const LocalDateTime now = io.clock.Now();
    const ZoneInformation zone = io.systemZone.Query();
    long bias = zone.bias;  // UTC = local + bias, minutes
    if (zone.state == ZoneInformation::Daylight) bias += zone.daylightBias;
    if (zone.state == ZoneInformation::Standard) bias += zone.standardBias;
    const double local =
        CalendarJulianDate(now.year, now.month, now.day + (now.hour * 60.0 + now.minute) / 1440.0);
    const CalendarDate utc = CalendarOf(local + static_cast<double>(bias) / 1440.0);
    return {utc.year, utc.month, static_cast<int>(utc.day)};
}

int RunMakeTransient(const MakeTransientOptions& options, const CliIo& io) {
    const auto refuse = [&io](const std::string& problem) {
        return RefuseArguments(io.err, "make-transient", problem);
    };
    TransientSpan span;
    span.perMinute = options.nearEarth;
    if (options.days > 0 && options.hours > 0) return refuse("give --days or --hours, not both");
    const int hours = options.hours > 0  ? options.hours
                      : options.days > 0 ? options.days * 24
                                         : (options.nearEarth ? kDefaultHours : kDefaultDays * 24);
    span.steps = options.nearEarth ? hours * 60 : hours;
    if (span.steps > kMostLines)
        return refuse("the span makes more than " + std::to_string(kMostLines) + " lines");
    CliDate start = TodayUtc(io);
    if (!options.start.empty()) {
        const CliRead<CliDate> read = ReadDate(options.start);
        if (!read.value) return refuse("--start: " + read.problem);
        start = *read.value;
    }
    span.year = start.year;
    span.month = start.month;
    span.day = start.day;

    std::string folder;
    if (options.out.empty()) {
        folder = platform::ProgramDataDirs().appDir + "TransientCats/";
        static_cast<void>(platform::EnsureDirectory(folder));
    }
    const TransientMaking made =
        MakeTransientCatalogFile(options.elements, options.object, span, options.out, folder);
    switch (made.outcome) {
        case TransientMaking::Outcome::kMade:
            break;
        case TransientMaking::Outcome::kUnreadable:
            return refuse(made.message);
        case TransientMaking::Outcome::kNoElements:
            io.err << "talvo-cli make-transient: no comet or minor-planet elements"
                   << (options.object.empty() ? "" : " of \"" + options.object + "\"") << " in "
                   << options.elements << "\n";
            return kCliNothingFound;
        case TransientMaking::Outcome::kSeveral:
            io.err << "talvo-cli make-transient: " << made.names.size() << " objects in " << options.elements
                   << "; choose one with --object:\n";
            for (const std::string& name : made.names) io.err << "  " << name << "\n";
            return kCliBadArguments;
        case TransientMaking::Outcome::kNotWritten:
            io.err << "talvo-cli make-transient: " << made.message << "\n";
            return kCliBadArguments;
    }
    io.out << (made.comet ? "Comet " : "Asteroid ") << made.objectName << ": " << made.lines
           << (span.perMinute ? " positions a minute apart" : " positions an hour apart") << " from "
           << TransientMomentName(span.year, span.month, span.day, 0, 0, span.perMinute) << " UTC, in "
           << made.path << "\n";
    return kCliOk;
}

}  // namespace

CliCommand AddMakeTransientCommand(CLI::App& program) {
    auto options = std::make_shared<MakeTransientOptions>();
    CLI::App* command = program.add_subcommand(
        "make-transient", "a transient catalog of a comet or asteroid, made from its orbital elements");
    command->footer(
        "Reads the object's orbital elements in the one-line formats of the Minor Planet Center (its comet\n"
        "list, or its minor-planet list), propagates the orbit as a Kepler orbit (ellipse, parabola or\n"
        "hyperbola), and writes the astrometric place of J2000 and the magnitude for every hour from 0 h "
        "UTC\n"
        "of --start (default today) for --days (default 60), or, with --near-earth, every minute for\n"
        "--hours (default 24). The catalog goes into the transient folder (TransientCats/), named after the\n"
        "object, unless --out names the file. Exit code 0; 1 when the file holds no elements that read;\n"
        "2 for bad arguments, several objects without --object, or a file that could not be written.");
    command->add_option("--elements", options->elements, "the file of element lines")
        ->type_name("FILE")
        ->required();
    command
        ->add_option("--object", options->object,
                     "the object whose name contains TEXT, when the file holds several")
        ->type_name("TEXT");
    command->add_option("--start", options->start, "UTC date of the first position (default today)")
        ->type_name("YYYY-MM-DD");
    command->add_option("--days", options->days, "days of hourly positions (default 60)")
        ->type_name("N")
        ->check(CLI::Range(1, 3660));
    command->add_option("--hours", options->hours, "hours of positions (default 24 with --near-earth)")
        ->type_name("N")
        ->check(CLI::Range(1, 87840));
    command->add_flag("--near-earth", options->nearEarth, "a position every minute (a \"t\" catalog)");
    command->add_option("--out", options->out, "the catalog file to write")->type_name("FILE");
    return {command, [options](const CliIo& io) { return RunMakeTransient(*options, io); }};
}

}  // namespace talvo
