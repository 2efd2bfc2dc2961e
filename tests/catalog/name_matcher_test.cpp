#include "catalog/name_matcher.h"

#include <gtest/gtest.h>

#include <string>

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
}

TEST(MatchName, ATrailingSpaceDemandsTheWholeName) {
    EXPECT_FALSE(Match("M13", "M1 ").matched());
    Outcome whole = Match("M1", "M1 ");
    EXPECT_TRUE(whole.matched());
    EXPECT_TRUE(whole.flags.exactMatch);
    EXPECT_FALSE(Match("NGC 7009", "NGC 70 ").matched());
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
}

}  // namespace
}  // namespace talvo
