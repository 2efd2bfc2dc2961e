#include "session/search_request.h"

#include <cctype>

namespace talvo {

namespace {

constexpr double kBestOfMinimumAltitude = 20.0;  // degrees: lower objects are poor in a small telescope

}  // namespace

std::string MakePattern(std::string_view typed) {
    std::string pattern;
    pattern.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == ' ' && i + 1 < typed.size()) continue;
        pattern += static_cast<char>(std::toupper(static_cast<unsigned char>(typed[i])));
    }
    return pattern;
}

bool IsLongName(std::string_view typed) {
    return typed.find("**") != std::string_view::npos || typed.size() > kShortNameLength;
}

double DefaultFaintestMagnitude(const SessionState& state) {
    return state.scope.defaultMagnitudeLimit < 90.0 ? state.scope.defaultMagnitudeLimit : kNoMagnitudeLimit;
}

SearchRequest BestOfTheSkyRequest() {
    SearchRequest request;
    request.name = "*&^";
    request.secondName = "*^^";
    request.minimumAltitude = kBestOfMinimumAltitude;
    request.bestOf = true;
    return request;
}

void BeginSearch(SessionState& state, const SearchRequest& request) {
    SearchState& search = state.search;
    search.BestOfSearch = request.bestOf;
    search.EitherName = request.bestOf;
    search.CancelRequested = false;
    search.InvalidCount = 0;
    search.Pattern = MakePattern(request.name);
    search.SecondPattern = MakePattern(request.secondName);
    search.MinimumAltitude = static_cast<float>(request.minimumAltitude);
    search.MaximumAltitude = static_cast<float>(request.maximumAltitude);
    search.FaintestMagnitude = static_cast<float>(request.faintestMagnitude);
    search.LongNameSearch = state.longNameCatalog && IsLongName(request.name);

    search.SearchOpen = false;
    search.ClearChain();

    state.object.name1.clear();
    state.object.planetIndex = -1;
}

}  // namespace talvo
