#include "catalog/catalog_maintenance.h"

#include <cctype>

#include "catalog/catalog_file.h"
#include "engine/text_format.h"

namespace talvo {

bool IsDefaultCatalog(const SessionState& state) {
    return UpperCase(state.catalogFileName) == kDefaultCatalog && WithSlash(state.catalogFolder) == state.appDir;
}

bool SelectCatalog(SessionState& state, SearchEngine& engine, MainWindowHooks& mainWindow,
                   const std::string& fileName, const std::string& folder) {
    SearchState& search = state.search;
    state.catalogFileName = fileName;
    state.catalogFolder = folder;
    search.catalog.Close();
    search.matchesFile.Close();
    search.SearchOpen = false;
    state.object.notInCatalog = true;
    search.BestOfSearch = false;
    search.MinimumAltitude = static_cast<float>(kNoMinimumAltitude);
    search.FaintestMagnitude = static_cast<float>(kNoMagnitudeLimit);
    state.riseSetValid = false;
    engine.ResetChain();

    if (ReadCatalogFlag(state, fileName, folder).empty()) return false;
    state.fullCatalogInUse = state.contents.full;
    if (state.object.transientCatalog) {
        mainWindow.SetSearchButtons("Transient Object", false);
        return true;
    }
    mainWindow.SetSearchButtons("/ Simple Search", true);
    mainWindow.SetStatus("Catalog = " + WithSlash(folder) + fileName);
    return true;
}

void SaveMatches(SessionState& state, SearchEngine& engine, platform::DialogServices& dialogs,
                 MainWindowHooks& mainWindow) {
    SearchState& search = state.search;
    const std::string path = engine.MatchesPath();
    if (!search.SearchOpen) {
        dialogs.OpenDocument(path);
        mainWindow.MatchesExhausted("m View Matches", search.MatchCount);
        return;
    }
    search.SavingMatches = true;
    search.CancelRequested = false;
    while (!state.object.transientCatalog && engine.NextMatch()) {
        dialogs.DoEvents();
        if (search.CancelRequested) break;
    }
    search.SavingMatches = false;
    search.matchesFile.Close();
    const int count = search.MatchCursor + 1;
    if (dialogs.MessageBox(std::to_string(count) + " Matches written to 'matches.txt'. View list of matches?",
                           platform::MessageButtons::YesNo, "TALVO") == platform::MessageAnswer::Yes) {
        dialogs.OpenDocument(path);
    }
    mainWindow.MatchesExhausted("m View Matches", count);
}

bool AddCurrentObject(SessionState& state, platform::DialogServices& dialogs) {
    std::string question = "Do you want to add the object " + state.object.name1 + " to catalog " +
                           state.catalogFileName + " ?";
    if (dialogs.MessageBox(question, platform::MessageButtons::OkCancel, "TALVO") != platform::MessageAnswer::Ok) {
        return false;
    }
    if (!AppendEntry(state)) {
        dialogs.MessageBox("The object could not be added: the catalog " +
                               CatalogPath(state.catalogFolder, state.catalogFileName) +
                               " cannot be written. Choose a catalog in a folder you may write to.",
                           platform::MessageButtons::Ok, "TALVO");
        return false;
    }
    state.object.notInCatalog = false;
    return true;
}

std::string NewCatalogFileName(const std::string& typed) {
    std::string last = typed.size() >= 4 ? typed.substr(typed.size() - 4) : typed;
    if (UpperCase(last) == ".TLV") return typed;
    if (typed.size() >= 4 && last[0] == '.') return typed.substr(0, typed.size() - 3) + "TLV";
    return typed + ".TLV";
}

}  // namespace talvo
