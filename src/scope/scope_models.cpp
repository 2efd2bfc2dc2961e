#include "scope/scope_models.h"

#include <algorithm>

namespace talvo {

namespace {

constexpr const char* kGpsQuestion = "Does this Scope have a GPS?";

// Telescopes that take coordinates of a fixed epoch: the NexStar families, the StarGuide and
// those driven through the sky chart. The Meade family precesses by itself.
bool TakesFixedEpoch(int code) {
    return (code >= 101 && code <= 109) || code == 201 || code == 301 || code == 302 || code == 501;
}

constexpr double kJ2000 = 2000.0;
constexpr double kMagnitudesPerSkyStep = 1.5;

}  // namespace

int ScopeModelIndex(int code) {
    for (std::size_t i = 0; i < kScopeModels.size(); ++i) {
        const ScopeModelEntry& entry = kScopeModels[i];
        if (entry.code == code) return static_cast<int>(i);
        if (code != 0 && std::find(entry.refinedCodes.begin(), entry.refinedCodes.end(), code) !=
                             entry.refinedCodes.end()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<int> ScopeModelCode(const std::string& entryText) {
    for (const ScopeModelEntry& entry : kScopeModels) {
        if (entryText == entry.text) return entry.code;
    }
    return std::nullopt;
}

int EntryScopeType(const std::string& entryText) {
    if (entryText.empty() || entryText[0] < '0' || entryText[0] > '9') return -1;
    return entryText[0] - '0';
}

int StoredScopeType(int scopeModel) {
    if (scopeModel < 100) return scopeModel;
    if (scopeModel == kNoGotoModel) return 0;
    return scopeModel / 100;
}

double DefaultMagnitudeLimit(int sizeClass, int skyClass) {
    const int size = std::clamp(sizeClass, 0, static_cast<int>(kScopeSizes.size()) - 1);
    const int sky = std::clamp(skyClass, 0, static_cast<int>(kSkyEntries.size()) - 1);
    return kScopeSizes[static_cast<std::size_t>(size)].magnitude - kMagnitudesPerSkyStep * sky;
}

int ApplyModelRules(ScopeSettings& settings, int code, bool listTouched, const ModelQuestions& questions) {
    // The handbox flag belongs to the models that have that handbox; a flag left from a model
    // chosen before would mislead the daylight-saving handling of another Meade-family model.
    settings.autostarHandbox = false;
    switch (code) {
        case 101:
        case 105:
        case 107:
        case 405:
            settings.scopeHasGps = true;
            break;
        case 102:
        case 104:
            settings.scopeHasGps = questions.askYesNo(kGpsQuestion);
            if (code == 102) {
                code = settings.scopeHasGps ? 107 : 108;
            } else {
                code = settings.scopeHasGps ? 105 : 106;
            }
            break;
        case 401:
            settings.scopeHasGps = questions.askYesNo(kGpsQuestion);
            if (!settings.scopeHasGps) {
                code = 407;
            } else {
                code = 405;
                if (questions.askYesNo("Is the GPS Built In?")) {
                    settings.autostarHandbox = true;
                    code = 406;
                }
            }
            break;
        case 106:
        case 108:
        case 407:
            settings.scopeHasGps = false;  // the models refined from a "no" to the GPS question
            break;
        case 402:
            settings.autostarHandbox = true;
            break;
        case 406:
            settings.scopeHasGps = true;
            settings.autostarHandbox = true;
            break;
        default:
            break;
    }

    if (settings.fixedEpoch != 0.0 && !listTouched) return code;
    const bool optionOn = settings.fixedEpoch > 0.0;
    if (TakesFixedEpoch(code)) {
        if (!optionOn) {
            questions.tell(
                "Because you have selected a scope that does not do updates for precession, the option "
                "'Use J2000' is being set. You can change this on the Options form.");
            settings.fixedEpoch = kJ2000;
        }
    } else {
        if (optionOn) {
            questions.tell(
                "Because you have selected a scope that updates for precession, the option 'Use J2000' is "
                "being cleared. You can change this on the Options form.");
        }
        settings.fixedEpoch = -1.0;
    }
    return code;
}

}  // namespace talvo
