// The LX200 hand-control protocol: commands ":" ... "#", one-character replies without "#".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/mount.h"
#include "sim/responder.h"
#include "sim/sim_site.h"

namespace talvo::sim {

struct Lx200Settings {
    bool highPrecision = false;  // HH:MM:SS / sDD*MM:SS replies from the start
    char degreeMark = '\xDF';    // separator of degrees and minutes in replies
    bool refuseSlew = false;     // :MS# answers "1Object Below Horizon#" and does not slew
    SimSite site;                // answers :Gt#, :Gg#, :GG#, :GC#, :GL#
};

// The two lines the hand control sends after its "1" to a new date, and how long after it
// (seconds).
inline constexpr const char* kDateUpdateText = "Updating Planetary Data#                                #";
inline constexpr double kDateUpdateDelay = 0.2;

class Lx200Responder final : public Responder {
public:
    Lx200Responder(Mount& mount, const Lx200Settings& settings);

    std::vector<std::string> Receive(std::string_view bytes, double now) override;
    std::string Tick(double now) override;

private:
    // One command of the table: the letters after ":" and the handler, which gets the text after
    // them (a single blank after the letters dropped) and returns the reply.
    struct Command {
        std::string_view letters;
        bool takesArgument;
        std::string (Lx200Responder::*handler)(std::string_view argument, double now);
    };
    static const std::vector<Command>& Commands();

    std::string Dispatch(std::string_view text, double now);

    std::string GetRightAscension(std::string_view argument, double now);
    std::string GetDeclination(std::string_view argument, double now);
    std::string SetRightAscension(std::string_view argument, double now);
    std::string SetDeclination(std::string_view argument, double now);
    std::string Slew(std::string_view argument, double now);
    std::string Stop(std::string_view argument, double now);
    std::string TogglePrecision(std::string_view argument, double now);
    std::string GetLatitude(std::string_view argument, double now);
    std::string GetLongitude(std::string_view argument, double now);
    std::string GetUtcOffset(std::string_view argument, double now);
    std::string GetDate(std::string_view argument, double now);
    std::string GetTime(std::string_view argument, double now);
    std::string SetSiteOrTime(std::string_view argument, double now);
    std::string SetDate(std::string_view argument, double now);

    Mount& mount_;
    Lx200Settings settings_;
    Pointing target_;             // set by :Sr and :Sd, used by :MS
    bool inCommand_ = false;      // a ":" has come and its "#" not yet (":" inside is text)
    std::string command_;         // the text after ":" so far
    double dateUpdateAt_ = -1.0;  // when the lines after a new date are due; negative: none
};

// "HH:MM.T" or "HH:MM:SS" as hours; nothing for any other text or a field out of range.
std::optional<double> ParseLx200RightAscension(std::string_view text);
// "sDD*MM" or "sDD*MM:SS" (sign optional; separators "*", "\xDF", ":" or "'") as degrees within
// [-90, +90]; nothing for any other text.
std::optional<double> ParseLx200Declination(std::string_view text);

}  // namespace talvo::sim
