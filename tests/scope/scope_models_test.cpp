// The telescope list, the size and sky limits, and what a chosen model brings: the GPS and
// handbox questions and the fixed-epoch decision.
#include "scope/scope_models.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace talvo {
namespace {

// Answers yes/no questions from a queue (an empty queue answers no) and records what was said.
struct Observer {
    std::deque<bool> answers;
    std::vector<std::string> asked, told;

    ModelQuestions Questions() {
        return {[this](const std::string& question) {
                    asked.push_back(question);
                    if (answers.empty()) return false;
                    const bool answer = answers.front();
                    answers.pop_front();
                    return answer;
                },
                [this](const std::string& text) { told.push_back(text); }};
    }
};

const char* kSetMessage =
    "Because you have selected a scope that does not do updates for precession, the option 'Use J2000' is "
    "being set. You can change this on the Options form.";
const char* kClearedMessage =
    "Because you have selected a scope that updates for precession, the option 'Use J2000' is being "
    "cleared. You can change this on the Options form.";

TEST(ScopeModelTable, RefinedCodesSelectTheirRowAndUnknownCodesNone) {
    EXPECT_EQ(ScopeModelIndex(kNoGotoModel), 0);
    EXPECT_EQ(ScopeModelIndex(108), 2);
    EXPECT_EQ(ScopeModelIndex(105), 4);
    EXPECT_EQ(ScopeModelIndex(406), 9);
    EXPECT_EQ(ScopeModelIndex(501), 13);
    for (int unknown : {0, 100, 110, 408, 502}) EXPECT_EQ(ScopeModelIndex(unknown), -1) << unknown;

    EXPECT_EQ(ScopeModelCode("4 - Meade LX Series and compatibles"), 401);
    EXPECT_EQ(ScopeModelCode("0 - No Goto Telescope"), kNoGotoModel);
    EXPECT_FALSE(ScopeModelCode(""));
    EXPECT_FALSE(ScopeModelCode("4 - Meade"));
    EXPECT_EQ(EntryScopeType("3 - Tasco StarGuide"), 3);
    EXPECT_EQ(EntryScopeType(""), -1);
}

TEST(ScopeModelTable, StoredFamilyFollowsTheModelCode) {
    EXPECT_EQ(StoredScopeType(kNoGotoModel), 0);
    EXPECT_EQ(StoredScopeType(406), 4);
    EXPECT_EQ(StoredScopeType(302), 3);
    EXPECT_EQ(StoredScopeType(4), 4);    // earlier versions stored the family itself
    EXPECT_EQ(StoredScopeType(100), 1);  // as a model code: the hundreds
}

TEST(ScopeSizeAndSky, DefaultLimitIsTheSizeMagnitudeLessOneAndAHalfPerSkyStep) {
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(10, 2), 97.0);  // still no limit
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(1, 1), 7.5);
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(5, 0), 12.5);
    // A class from a damaged home file counts as the nearest row instead of reading past the list.
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(11, 3), 97.0);
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(-1, -1), 100.0);
}

// The GPS questions refine the NexStar and Meade LX codes (a refined code, read back from the home
// file, asks nothing again); the handbox flag follows the model chosen.
TEST(ModelRules, QuestionsRefineTheModelAndSetItsGpsAndHandbox) {
    const std::string gps = "Does this Scope have a GPS?", builtIn = "Is the GPS Built In?";
    const struct {
        int code;
        std::deque<bool> answers;
        int refined;
        bool gps, handbox;
        std::vector<std::string> asked;
    } rows[] = {
        {102, {true}, 107, true, false, {gps}},
        {102, {false}, 108, false, false, {gps}},
        {107, {}, 107, true, false, {}},
        {104, {true}, 105, true, false, {gps}},
        {104, {false}, 106, false, false, {gps}},
        {105, {}, 105, true, false, {}},
        {401, {}, 407, false, false, {gps}},
        {401, {true, true}, 406, true, true, {gps, builtIn}},
        {401, {true, false}, 405, true, false, {gps, builtIn}},
        {402, {}, 402, false, true, {}},
        {403, {}, 403, false, false, {}},
    };
    for (const auto& r : rows) {
        ScopeSettings settings;
        settings.fixedEpoch = -1.0;
        Observer observer;
        observer.answers = r.answers;
        EXPECT_EQ(ApplyModelRules(settings, r.code, false, observer.Questions()), r.refined) << r.code;
        EXPECT_EQ(settings.scopeHasGps, r.gps) << r.refined;
        EXPECT_EQ(settings.autostarHandbox, r.handbox) << r.refined;
        EXPECT_EQ(observer.asked, r.asked) << r.refined;
    }
}

// The fixed epoch a chosen model leaves, and what the observer is told: J2000 for a telescope
// that does not precess when the option was off or undecided, none for one that does; an epoch
// the observer chose stays, and so does a decided one while the list was not touched.
TEST(ModelRules, FixedEpochFollowsWhetherTheTelescopePrecesses) {
    const struct {
        int code;
        bool touched;
        double before, after;
        const char* told;
    } rows[] = {
        {101, true, -1.0, 2000.0, kSetMessage},    {501, true, 1950.0, 1950.0, nullptr},
        {302, false, 0.0, 2000.0, kSetMessage},    {404, true, 2000.0, -1.0, kClearedMessage},
        {kNoGotoModel, false, 0.0, -1.0, nullptr}, {101, false, -1.0, -1.0, nullptr},
        {406, false, 2000.0, 2000.0, nullptr},     {103, false, 1950.0, 1950.0, nullptr},
    };
    for (const auto& r : rows) {
        ScopeSettings settings;
        settings.fixedEpoch = r.before;
        Observer observer;
        EXPECT_EQ(ApplyModelRules(settings, r.code, r.touched, observer.Questions()), r.code);
        EXPECT_EQ(settings.fixedEpoch, r.after) << r.code;
        EXPECT_EQ(observer.told, r.told ? std::vector<std::string>{r.told} : std::vector<std::string>{})
            << r.code;
    }
}

}  // namespace
}  // namespace talvo
