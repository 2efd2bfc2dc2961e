#include "catalog/catalog_maintenance.h"

#include "catalog/catalog_file.h"
#include "engine/text_format.h"

namespace talvo {

bool IsDefaultCatalog(const SessionState& state) {
    return UpperCase(state.catalogFileName) == kDefaultCatalog &&
           WithSlash(state.catalogFolder) == state.appDir;
}

bool SelectCatalog(SessionState& state, SearchEngine& engine, const std::string& fileName,
                   const std::string& folder) {
    SearchState& search = state.search;
    state.catalogFileName = fileName;
    state.catalogFolder = folder;
    state.object.notInCatalog = true;
    search.BestOfSearch = false;
    search.MinimumAltitude = static_cast<float>(kNoMinimumAltitude);
    search.FaintestMagnitude = static_cast<float>(kNoMagnitudeLimit);
    state.riseSetValid = false;
    engine.ResetChain();

    if (!ReadCatalogFlag(state, fileName, folder)) return false;
    state.fullCatalogInUse = state.contents.full;
    return true;
}

std::string NewCatalogFileName(const std::string& typed) {
    std::string last = typed.size() >= 4 ? typed.substr(typed.size() - 4) : typed;
    if (UpperCase(last) == ".TLV") return typed;
    if (typed.size() >= 4 && last[0] == '.') return typed.substr(0, typed.size() - 3) + "TLV";
    return typed + ".TLV";
}

}  // namespace talvo
