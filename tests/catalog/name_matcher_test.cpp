#include "catalog/name_matcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/search_request.h"

namespace talvo {
namespace {

constexpr MatchOptions kBestOf{.bestOfSearch = true};
constexpr MatchOptions kLongName{.longNameSearch = true};
constexpr MatchOptions kIgnoreInvalid{.ignoreInvalid = true};

TEST(MakePattern, RemovesSpacesButTheLastAndUpperCases) {
    EXPECT_EQ(MakePattern("m1 "), "M1 ");
    EXPECT_EQ(MakePattern(" alp* lib  "), "ALP*LIB ");
}

// The typed name against a line holding `field` from `column`, the rest blank. The outcome: "-"
// no match, "m" a match, "e" an exact match, "1" an exact match of name 1; "!" before it marks
// an invalid entry.
TEST(MatchName, PrefixesWildcardsMarkersAndWholeNames) {
    const std::string m42 = "M42       &^", full24 = "AndromedaGalaxyMessier31";
    const struct {
        std::string field;
        const char* typed;
        const char* outcome;
        MatchOptions options = {};
        int column = 1;
    } cases[] = {
        {"NGC 7009", "ngc7009", "1"},
        {"NGC 7009", "NGC70", "m"},
        {"M31", "M310", "-"},  // the name ends before the pattern
        {"M 31", "M31", "1"},  // the second character lies past a space
        {"M&^31", "M3", "m"},  // or past the markers
        {"M", "M ", "1"},
        // A trailing space demands the whole name; a name filling its window ends at its edge.
        {"NGC 7009", "NGC 70 ", "-"},
        {"NGC7000ABCDE", "NGC7000ABCDE ", "1"},
        {"NGC7000ABCDE", "NGC 7000ABCDE", "1"},
        {"NGC 7000ABCD", "NGC 7000ABCD ", "1"},
        {"NGC7000ABCDE", "NGC7000ABCD ", "-"},
        {"M31", "M31", "e", {}, 13},              // only name 1 is exact in name 1
        {"Crab Nebula Vir", "CRABNEBULAV", "-"},  // the window ends at column 12
        {full24, "ANDROMEDAGALAXYMESSIER31 ", "e", kLongName, 49},
        {full24, "ANDROMEDAGALAXYMESSIER3 ", "-", kLongName, 49},
        {"Andromeda Galaxy", "ANDROMEDAGALAXY", "-", {}, 49},
        // A star stands for any characters, a doubled star for one star; it backs off after a
        // partial match.
        {"Alp1 Lib", "ALP*LIB", "m"},
        {"Alp2 Lib", "ALP**LIB", "m"},
        {"Alp1 Cyg", "ALP*LIB", "-"},
        {"Crab Neb    ula", "*NEBULA", "-"},  // "ula" lies in the next window
        {"M31", "*", "m"},
        {"M31", "M31*", "-"},  // nothing left for the star
        {"M31A", "M31*", "m"},
        {"Alp1 Lib", "ALP*LIB ", "m"},
        {"Alp1 Libra", "ALP*LIB ", "-"},
        {"ABABC", "*ABC", "m"},
        {"ABABD", "*ABC", "-"},
        // Best-of markers are part of the name only in Best of the Sky.
        {m42, "M42", "1"},
        {m42, "*&^", "m", kBestOf},
        {m42, "*^^", "-", kBestOf},
        {m42, "M42", "m", kBestOf},
        {m42, "M42 ", "-", kBestOf},
        // A field of spaces never matches.
        {"", "*", "-"},
        {"", "* ", "-", kBestOf, 49},
        // Entries that stand for nothing are reported, when asked, and never match.
        {"NonExistent", "M31", "!-", kIgnoreInvalid},
        {"Star: 12", "M31", "!-", kIgnoreInvalid},
        {"stars:3", "M31", "!-", kIgnoreInvalid},
        {"Non Existent 4", "M31", "!-", kIgnoreInvalid},
        {"Starfish", "STAR", "m", kIgnoreInvalid},
        {"NonExistent", "NON", "m"},
    };
    for (const auto& c : cases) {
        std::string line(100, ' ');
        line.replace(c.column - 1, c.field.size(), c.field);
        MatchFlags flags;
        const bool matched = MatchName(line, c.column, MakePattern(c.typed), c.options, flags) != 0;
        const std::string outcome =
            std::string(flags.invalidEntry ? "!" : "") + (!matched                               ? "-"
                                                          : flags.exactMatch && flags.exactName1 ? "1"
                                                          : flags.exactMatch                     ? "e"
                                                                                                 : "m");
        EXPECT_EQ(outcome, c.outcome) << c.field << " / " << c.typed;
    }
    MatchFlags flags;
    EXPECT_EQ(MatchName("M31", 13, "*", {}, flags), 0);  // the line ends before the field
}

// The prefilter may pass lines that do not match, but never turns away one that does: every
// pattern against lines with names in every field, in both kinds of search.
TEST(NamePrefilter, NeverTurnsAwayALineWithAMatchingName) {
    const std::vector<std::string> names = {
        "M31",         "ngc 7000",           "  Alp1 Lib",
        "Crab Nebula", "M42       &^",       "NonExistent",
        "\xE9ta Car",  "AndromedaGalaxyM31", std::string(12, ' ') + "Leo"};
    const std::vector<std::string> typed = {"M31",  "m3",  "NGC7000 ", "*LIB", "* ",  "ALP*LIB",
                                            "CRAB", "*&^", "\xC9TA",   "NON",  "ETA", "ANDROMEDAGALAXYM31 ",
                                            "B",    "ZZZ", "",         " M31", "&^",  "LEO"};
    for (bool longName : {false, true}) {
        const MatchOptions options{.longNameSearch = longName, .ignoreInvalid = true};
        for (const std::string& name : names) {
            for (int field = 0; field < 5; ++field) {
                std::string line(100, ' ');
                line.replace(static_cast<std::size_t>(12 * field), name.size(), name);
                for (const std::string& text : typed) {
                    const std::string pattern = MakePattern(text);
                    MatchFlags flags;
                    bool matches = false;
                    for (int f = longName ? 4 : 0; f < 5 && !matches; ++f)
                        matches = MatchName(line, kNameColumn[f].first, pattern, options, flags) != 0;
                    EXPECT_TRUE(!matches || NamePrefilter(pattern, options).MayMatch(line))
                        << name << " / " << text;
                }
            }
        }
    }

    const std::string m31 = std::string(48, ' ') + "M31";
    EXPECT_FALSE(NamePrefilter("B", {}).MayMatch(m31));
    EXPECT_FALSE(NamePrefilter("M", {}).MayMatch(m31.substr(0, 48)));
    EXPECT_TRUE(NamePrefilter("M", {.longNameSearch = true}).MayMatch(m31));
    EXPECT_FALSE(NamePrefilter("M", {.longNameSearch = true}).MayMatch("M31"));  // name 1 is not read
}

}  // namespace
}  // namespace talvo
