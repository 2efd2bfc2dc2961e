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
    EXPECT_EQ(StoredScopeType(kNoGotoModel, 4), 0);
    EXPECT_EQ(StoredScopeType(406, 1), 4);
    EXPECT_EQ(StoredScopeType(302, 0), 3);
    EXPECT_EQ(StoredScopeType(100, 2), 2);  // codes of 100 or less keep the stored family
}

TEST(ScopeSizeAndSky, DefaultLimitIsTheSizeMagnitudeLessOneAndAHalfPerSkyStep) {
    EXPECT_EQ(std::string(kScopeSizes[1].text), "3.5\" (90mm) or less");
    EXPECT_EQ(std::string(kScopeSizes[2].text), "4 or 4.5\" (100-114mm)");
    EXPECT_EQ(std::string(kScopeSizes[10].text), "20\" (500mm) or larger");
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(10, 2), 97.0);  // still no limit
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(1, 1), 7.5);
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(5, 0), 12.5);
    // A class from a damaged home file counts as the nearest row instead of reading past the list.
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(11, 3), 97.0);
    EXPECT_DOUBLE_EQ(DefaultMagnitudeLimit(-1, -1), 100.0);
}

TEST(ModelRules, GpsQuestionRefinesTheNexStarModels) {
    for (const auto& [code, yes, no] : {std::tuple{102, 107, 108}, std::tuple{104, 105, 106}}) {
        ScopeSettings settings;
        settings.fixedEpoch = 2000.0;
        Observer observer;
        observer.answers = {true};
        EXPECT_EQ(ApplyModelRules(settings, code, false, observer.Questions()), yes);
        EXPECT_TRUE(settings.scopeHasGps);
        EXPECT_EQ(observer.asked, std::vector<std::string>{"Does this Scope have a GPS?"});
        observer.answers = {false};
        EXPECT_EQ(ApplyModelRules(settings, code, false, observer.Questions()), no);
        EXPECT_FALSE(settings.scopeHasGps);
        // The refined code, read back from the home file, asks nothing again.
        observer.asked.clear();
        EXPECT_EQ(ApplyModelRules(settings, yes, false, observer.Questions()), yes);
        EXPECT_TRUE(settings.scopeHasGps);
        EXPECT_TRUE(observer.asked.empty());
    }
}

TEST(ModelRules, MeadeLxAsksForTheGpsAndWhetherItIsBuiltIn) {
    ScopeSettings settings;
    settings.fixedEpoch = -1.0;
    Observer observer;
    EXPECT_EQ(ApplyModelRules(settings, 401, false, observer.Questions()), 407);
    EXPECT_FALSE(settings.scopeHasGps || settings.autostarHandbox);
    EXPECT_EQ(observer.asked.size(), 1u);

    observer.answers = {true, true};
    EXPECT_EQ(ApplyModelRules(settings, 401, false, observer.Questions()), 406);
    EXPECT_TRUE(settings.scopeHasGps && settings.autostarHandbox);
    EXPECT_EQ(observer.asked.back(), "Is the GPS Built In?");

    observer.answers = {true, false};
    EXPECT_EQ(ApplyModelRules(settings, 401, false, observer.Questions()), 405);
    EXPECT_TRUE(settings.scopeHasGps);
    EXPECT_FALSE(settings.autostarHandbox);
}

TEST(ModelRules, HandboxFlagFollowsTheModelChosenLast) {
    ScopeSettings settings;
    settings.fixedEpoch = -1.0;
    Observer observer;
    EXPECT_EQ(ApplyModelRules(settings, 402, false, observer.Questions()), 402);
    EXPECT_TRUE(settings.autostarHandbox);
    EXPECT_EQ(ApplyModelRules(settings, 403, false, observer.Questions()), 403);
    EXPECT_FALSE(settings.autostarHandbox);
}

TEST(ModelRules, TelescopeThatDoesNotPrecessGetsJ2000WhenTheOptionWasOff) {
    ScopeSettings settings;
    settings.fixedEpoch = -1.0;
    Observer observer;
    EXPECT_EQ(ApplyModelRules(settings, 101, true, observer.Questions()), 101);
    EXPECT_EQ(settings.fixedEpoch, 2000.0);
    EXPECT_EQ(observer.told, std::vector<std::string>{kSetMessage});

    // An epoch the observer chose stays.
    settings.fixedEpoch = 1950.0;
    observer.told.clear();
    EXPECT_EQ(ApplyModelRules(settings, 501, true, observer.Questions()), 501);
    EXPECT_EQ(settings.fixedEpoch, 1950.0);
    EXPECT_TRUE(observer.told.empty());

    // Undecided counts as off, whether or not the list was touched.
    settings.fixedEpoch = 0.0;
    EXPECT_EQ(ApplyModelRules(settings, 302, false, observer.Questions()), 302);
    EXPECT_EQ(settings.fixedEpoch, 2000.0);
    EXPECT_EQ(observer.told.size(), 1u);
}

TEST(ModelRules, TelescopeThatPrecessesClearsTheFixedEpoch) {
    ScopeSettings settings;
    settings.fixedEpoch = 2000.0;
    Observer observer;
    EXPECT_EQ(ApplyModelRules(settings, 404, true, observer.Questions()), 404);
    EXPECT_EQ(settings.fixedEpoch, -1.0);
    EXPECT_EQ(observer.told, std::vector<std::string>{kClearedMessage});

    // Undecided is decided without a message: the option was not on.
    settings.fixedEpoch = 0.0;
    observer.told.clear();
    EXPECT_EQ(ApplyModelRules(settings, kNoGotoModel, false, observer.Questions()), kNoGotoModel);
    EXPECT_EQ(settings.fixedEpoch, -1.0);
    EXPECT_TRUE(observer.told.empty());
}

TEST(ModelRules, DecidedEpochStaysWhenTheListWasNotTouched) {
    Observer observer;
    for (const auto& [code, epoch] : {std::pair{101, -1.0}, std::pair{406, 2000.0}, std::pair{103, 1950.0}}) {
        ScopeSettings settings;
        settings.fixedEpoch = epoch;
        static_cast<void>(ApplyModelRules(settings, code, false, observer.Questions()));
        EXPECT_EQ(settings.fixedEpoch, epoch) << code;
    }
    EXPECT_TRUE(observer.told.empty());
}

}  // namespace
}  // namespace talvo
