#include "catalog/catalog_maintenance.h"

#include <filesystem>
#include <system_error>

#include "catalog/catalog_file.h"
#include "engine/text_format.h"

namespace talvo {

bool IsDefaultCatalog(const SessionState& state) {
    const std::string folder = WithSlash(state.catalogFolder);
    return UpperCase(state.catalogFileName) == kDefaultCatalog &&
           (folder == state.appDir || (!state.dataDir.empty() && folder == state.dataDir));
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

platform::FileWriteStatus UseWritableCatalog(SessionState& state) {
    const std::string folder = WithSlash(state.catalogFolder);
    if (state.dataDir.empty() || state.dataDir == state.appDir || folder != state.dataDir) return {true, {}};
    const std::string target = state.appDir + state.catalogFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(target, error)) {
        platform::FileWriteStatus copied =
            platform::CopyFileAtomically(folder + state.catalogFileName, target);
        if (!copied.ok) return copied;
    }
    state.catalogFolder = state.appDir;
    return {true, {}};
}

std::string NewCatalogFileName(const std::string& typed) {
    std::string last = typed.size() >= 4 ? typed.substr(typed.size() - 4) : typed;
    if (UpperCase(last) == ".TLV") return typed;
    if (typed.size() >= 4 && last[0] == '.') return typed.substr(0, typed.size() - 3) + "TLV";
    return typed + ".TLV";
}

}  // namespace talvo
