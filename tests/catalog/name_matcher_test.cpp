#include "catalog/name_matcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/search_request.h"

namespace talvo {
namespace {

struct Outcome {
    int result;
    MatchFlags flags;
    bool matched() const { return result != 0; }
};

// Compares the typed name with a line holding `field` from `column` (the rest blank).
Outcome Match(const std::string& field, const std::string& typed, MatchOptions options = {}, int column = 1) {
    std::string line(100, ' ');
    line.replace(column - 1, field.size(), field);
    MatchFlags flags;
    int result = MatchName(line, column, MakePattern(typed), options, flags);
    return {result, flags};
}

constexpr MatchOptions kBestOf{.bestOfSearch = true};

TEST(MakePattern, RemovesSpacesButTheLastAndUpperCases) {
    EXPECT_EQ(MakePattern("NGC 7009"), "NGC7009");
    EXPECT_EQ(MakePattern("m1 "), "M1 ");
    EXPECT_EQ(MakePattern(" alp* lib  "), "ALP*LIB ");
}

TEST(MatchName, PrefixOfTheNameWithoutItsSpaces) {
    EXPECT_TRUE(Match("NGC 7009", "NGC 7009").flags.exactMatch);
    EXPECT_TRUE(Match("NGC 7009", "ngc7009").flags.exactName1);
    Outcome prefix = Match("NGC 7009", "NGC70");
    EXPECT_TRUE(prefix.matched());
    EXPECT_FALSE(prefix.flags.exactMatch);

    EXPECT_TRUE(Match("M31", "M3").matched());
    EXPECT_FALSE(Match("M31", "M310").matched());  // the name ends before the pattern
    EXPECT_FALSE(Match("M31", "M32").matched());
    EXPECT_TRUE(Match("M 31", "M31").flags.exactMatch);  // the second character lies past a space
    EXPECT_TRUE(Match("M&^31", "M3").matched());         // or past the markers
    EXPECT_FALSE(Match("M", "MX").matched());
    EXPECT_TRUE(Match("M", "M ").matched());
}

TEST(MatchName, ATrailingSpaceDemandsTheWholeName) {
    EXPECT_FALSE(Match("M13", "M1 ").matched());
    Outcome whole = Match("M1", "M1 ");
    EXPECT_TRUE(whole.matched());
    EXPECT_TRUE(whole.flags.exactMatch);
    EXPECT_FALSE(Match("NGC 7009", "NGC 70 ").matched());

    // A name filling its whole window, with or without a space inside, ends at the window's edge.
    for (const char* name : {"NGC7000ABCDE", "NGC 7000ABCD"}) {
        Outcome full = Match(name, std::string(name) + " ");
        EXPECT_TRUE(full.matched()) << name;
        EXPECT_TRUE(full.flags.exactMatch) << name;
        EXPECT_TRUE(full.flags.exactName1) << name;
    }
    EXPECT_FALSE(Match("NGC7000ABCDE", "NGC7000ABCD ").matched());
}

TEST(MatchName, OnlyNameOneSetsExactName1) {
    Outcome second = Match("M31", "M31", {}, 13);
    EXPECT_TRUE(second.flags.exactMatch);
    EXPECT_FALSE(second.flags.exactName1);
    // The window ends at column 12: the next field is not part of the name.
    EXPECT_FALSE(Match("Crab Nebula Vir", "CRABNEBULAV").matched());
}

TEST(MatchName, WildcardContinuation) {
    EXPECT_TRUE(Match("Alp1 Lib", "ALP*LIB").matched());
    EXPECT_TRUE(Match("Alp2 Lib", "ALP**LIB").matched());  // a doubled star is one star
    EXPECT_FALSE(Match("Alp1 Cyg", "ALP*LIB").matched());
    EXPECT_TRUE(Match("Crab Nebula", "*NEBULA").matched());
    EXPECT_FALSE(Match("Crab Neb    ula", "*NEBULA").matched());  // "ula" lies in the next window

    Outcome star = Match("M31", "*");
    EXPECT_EQ(star.result, 1);
    EXPECT_FALSE(star.flags.exactMatch);
    EXPECT_FALSE(Match("M31", "M31*").matched());  // nothing left for the star
    EXPECT_TRUE(Match("M31A", "M31*").matched());
    EXPECT_TRUE(Match("Alp1 Lib", "ALP*LIB ").matched());  // a trailing space after the star
    EXPECT_FALSE(Match("Alp1 Libra", "ALP*LIB ").matched());
}

TEST(MatchName, WildcardBacksOffAfterAPartialMatch) {
    EXPECT_TRUE(Match("AAAB", "*AAB").matched());
    EXPECT_TRUE(Match("ABABC", "*ABC").matched());
    EXPECT_TRUE(Match("Nu Nun3", "*NUN3").matched());
    EXPECT_FALSE(Match("ABABD", "*ABC").matched());
}

TEST(MatchName, BestOfMarkers) {
    const std::string m42 = "M42       &^";
    Outcome plain = Match(m42, "M42");
    EXPECT_TRUE(plain.flags.exactName1);  // markers are no part of the name outside Best of the Sky
    EXPECT_TRUE(Match(m42, "M42 ").matched());

    EXPECT_TRUE(Match(m42, "*&^", kBestOf).matched());
    EXPECT_FALSE(Match(m42, "*^^", kBestOf).matched());
    EXPECT_TRUE(Match("NGC 1     ^^", "*^^", kBestOf).matched());
    Outcome inside = Match(m42, "M42", kBestOf);
    EXPECT_TRUE(inside.matched());
    EXPECT_FALSE(inside.flags.exactMatch);
    EXPECT_FALSE(Match(m42, "M42 ", kBestOf).matched());
}

TEST(MatchName, AFieldOfSpacesNeverMatches) {
    for (const char* typed : {"*", "**", "* ", ""}) {
        EXPECT_FALSE(Match("            ", typed).matched()) << typed;
        EXPECT_FALSE(Match("", typed, kBestOf, 49).matched()) << typed;
    }
    MatchFlags flags;
    EXPECT_EQ(MatchName("M31", 13, "*", {}, flags), 0);  // the line ends before the field
}

TEST(MatchName, InvalidEntriesAreReportedWithoutAMatch) {
    const MatchOptions ignore{.ignoreInvalid = true};
    for (const char* field : {"NonExistent", "Star: 12", "stars:3", "Non Existent 4"}) {
        Outcome outcome = Match(field, "M31", ignore);
        EXPECT_FALSE(outcome.matched()) << field;
        EXPECT_TRUE(outcome.flags.invalidEntry) << field;
    }
    EXPECT_FALSE(Match("Starfish", "STAR", ignore).flags.invalidEntry);
    EXPECT_FALSE(Match("NonExistent", "NON").flags.invalidEntry);  // the option is off
}

TEST(MatchName, LongNamesUseTwentyFourColumns) {
    const MatchOptions longName{.longNameSearch = true};
    EXPECT_TRUE(Match("Andromeda Galaxy", "ANDROMEDAGALAXY ", longName, 49).flags.exactMatch);
    EXPECT_FALSE(Match("Andromeda Galaxy", "ANDROMEDAGALAXY", {}, 49).matched());
    const std::string full = "AndromedaGalaxyMessier31";  // all 24 columns
    EXPECT_TRUE(Match(full, "ANDROMEDAGALAXYMESSIER31 ", longName, 49).flags.exactMatch);
    EXPECT_FALSE(Match(full, "ANDROMEDAGALAXYMESSIER3 ", longName, 49).matched());
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
                    bool matches = MatchName(line, kNameColumn[4].first, pattern, options, flags) != 0;
                    for (int other = 0; other < 4 && !longName; ++other) {
                        matches = matches ||
                                  MatchName(line, kNameColumn[other].first, pattern, options, flags) != 0;
                    }
                    if (matches) {
                        EXPECT_TRUE(NamePrefilter(pattern, options).MayMatch(line)) << name << " / " << text;
                    }
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
