// The options of the talvo-cli commands: those every command takes (the site, the zone and the
// moment), and how a command adds an option whose text TALVO's own rules read.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <utility>

#include "app/cli_values.h"

namespace talvo {

struct CliSessionOptions {
    std::optional<double> latitudeDegrees;   // north positive
    std::optional<double> longitudeDegrees;  // WEST positive
    std::optional<double> utcOffsetHours;    // WEST positive: UT = local + offset
    std::optional<CliDate> date;             // local
    std::optional<CliTime> time;             // local
    std::optional<double> fixedEpoch;        // the telescope's fixed epoch
    // The home location file the site and telescope settings come from; empty: TALVO.HOM as
    // the window finds it, skipped silently when it cannot be read.
    std::string homeFile;
};

// A check of the text typed by `read` (text -> CliRead); what it finds wrong becomes the line
// "OPTION: problem". It runs before CLI11 converts the text, whose own conversion would take hex,
// exponents and infinities.
template <typename Reader>
CLI::Validator ReadBy(Reader read) {
    return CLI::Validator([read](std::string& text) { return read(text).problem; }, "");
}

// A reader of plain decimal numbers from `low` to `high`.
inline auto DecimalIn(double low, double high, std::string outside) {
    return [low, high, outside = std::move(outside)](const std::string& text) {
        return ReadDecimal(text, low, high, outside);
    };
}

// Adds the option `name`, whose text `read` checks and whose value is kept in `target`.
template <typename T, typename Reader>
CLI::Option* AddReadOption(CLI::App& command, const std::string& name, std::optional<T>& target, Reader read,
                           const std::string& description) {
    auto keep = [&target, read](const std::string& text) { target = read(text).value; };
    return command.add_option_function<std::string>(name, keep, description)->check(ReadBy(read));
}

// --home, --lat, --lon, --utc-offset, --date, --time and --fixed-epoch.
void AddSessionOptions(CLI::App& command, CliSessionOptions& options);

// An object given on the command line: a position and its epoch, or a body of the solar-system
// list.
struct CliObjectOptions {
    std::optional<double> raHours;
    std::optional<double> decDegrees;
    std::optional<double> epoch;  // of --ra and --dec
    std::optional<int> planet;    // row of the solar-system list, 0 Sun ... 9 Pluto
    CLI::Option* raOption = nullptr;
    CLI::Option* planetOption = nullptr;
};

// --ra, --dec, --epoch and --planet.
void AddObjectOptions(CLI::App& command, CliObjectOptions& options);

}  // namespace talvo
