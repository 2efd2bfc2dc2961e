// The GoTo telescope models the options window lists, the telescope size and sky lists that give
// the default search limit, and the rules a chosen model brings with it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "session/scope_settings.h"
#include "session/search_state.h"

namespace talvo {

// A row of the telescope list: the text shown, the code OK stores (before the model rules refine
// it), and the refined codes that select this row as well (0 where there are fewer).
struct ScopeModelEntry {
    const char* text;
    int code;
    std::array<int, 3> refinedCodes;
};

inline constexpr std::array<ScopeModelEntry, 14> kScopeModels = {{
    {"0 - No Goto Telescope", kNoGotoModel, {}},
    {"1 - Celestron NexStar GPS/CG/CGE Family: 8 / 9.25 / 11", 101, {}},
    {"1 - Celestron NexStar 5i / 8i", 102, {107, 108, 0}},
    {"1 - Celestron NexStar 60 / 80 /114/, Nexstar 4 made since 2002", 103, {}},
    {"1 - Celestron CGE and Advanced Series with GoTo", 104, {105, 106, 0}},
    {"1 - Celestron NexRemote (all scope models)", 109, {}},
    {"2 - Celestron Original NexStar 5 / 8", 201, {}},
    {"3 - Celestron Original NexStar 60 / 80 / 114, Original Nexstar 4 (2001 and before)", 301, {}},
    {"3 - Tasco StarGuide", 302, {}},
    {"4 - Meade LX Series and compatibles", 401, {405, 406, 407}},
    {"4 - Meade Autostar and compatibles", 402, {}},
    {"4 - Orwin Controllers (Meade compatible)", 403, {}},
    {"4 - Vixen SkySensor 2000 (Meade compatible)", 404, {}},
    {"5 - Other Goto Scope Supported by Skychart", 501, {}},
}};

// The row of the telescope list that shows model `code`; -1 when no row does.
[[nodiscard]] int ScopeModelIndex(int code);

// The code OK stores for a row's text; nothing when the text is not a row of the list.
[[nodiscard]] std::optional<int> ScopeModelCode(const std::string& entryText);

// The protocol family of a row: the digit its text starts with (0 to 5); -1 for any other text.
[[nodiscard]] int EntryScopeType(const std::string& entryText);

// The protocol family of a model code read from a home file: a value below 100 is the family
// itself (as earlier versions stored it), 10000 is no GoTo telescope (0), and any other code
// carries the family in its hundreds (100 too).
[[nodiscard]] int StoredScopeType(int scopeModel);

// A row of the telescope size list and the faintest magnitude such a telescope shows.
struct ScopeSizeEntry {
    const char* text;
    double magnitude;  // kNoMagnitudeLimit: no limit
};

inline constexpr std::array<ScopeSizeEntry, 11> kScopeSizes = {{
    {"Unspecified - No Search Limits", kNoMagnitudeLimit},
    {"3.5\" (90mm) or less", 9.0},
    {"4 or 4.5\" (100-114mm)", 10.0},
    {"5 or 6\" (120-150mm)", 11.0},
    {"7 or 8\" (175-200mm)", 12.0},
    {"9 or 10\" (225-250mm)", 12.5},
    {"11 to 13\" (275-325mm)", 13.0},
    {"14\" (350mm)", 14.0},
    {"16\" (400mm)", 15.0},
    {"17 or 18\" (425-450mm)", 16.0},
    {"20\" (500mm) or larger", kNoMagnitudeLimit},
}};

// The sky list, darkest first; the row is skyClass.
inline constexpr std::array<const char*, 3> kSkyEntries = {"Rural Sky. Milky Way Bright. Stars Mag 5-6.",
                                                           "Suburban Sky. Stars Mag 4 visible.",
                                                           "Urban Sky. Stars Mag 3 visible."};

// The default faintest magnitude of searches: the size row's magnitude less 1.5 magnitudes for
// each step of sky brightness (skyClass 0 to 2). Rows outside the lists count as their nearest
// row. 90 or more means no limit.
[[nodiscard]] double DefaultMagnitudeLimit(int sizeClass, int skyClass);

// How the model rules ask the observer: a yes/no question (true for yes) and a notice.
struct ModelQuestions {
    std::function<bool(const std::string&)> askYesNo;
    std::function<void(const std::string&)> tell;
};

// Applies what model `code` implies to the settings and returns the model code to store (102,
// 104 and 401 are refined by asking whether the telescope has a GPS receiver and, for 401,
// whether it is built in). Sets scopeHasGps for the models that imply it (clears it for those
// without a GPS receiver) and autostarHandbox for 402 and 406 (clears it for all others).
// When the epoch is undecided (fixedEpoch 0) or `listTouched` (a row of the telescope list was
// chosen since the options window opened): a telescope that does not precess gets the fixed
// epoch 2000 unless it already has one, every other model (the Meade family, no telescope) gets
// -1; turning the option on or off is announced through `tell`. scopeModel is not written.
[[nodiscard]] int ApplyModelRules(ScopeSettings& settings, int code, bool listTouched,
                                  const ModelQuestions& questions);

}  // namespace talvo
