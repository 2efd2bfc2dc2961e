// Choosing the current catalog, saving the matches, and adding the current object to a catalog.
#pragma once

#include <string>

#include "app/session_state.h"
#include "catalog/main_window_hooks.h"
#include "catalog/search_engine.h"
#include "platform/dialog_services.h"

namespace talvo {

// The default catalog's file name; it lives in the program directory.
inline constexpr const char* kDefaultCatalog = "FULL.TLV";

// Makes the file the current catalog: the search is reset and the catalog flag read. False
// when the file cannot be read (the search state stays reset).
bool SelectCatalog(SessionState& state, SearchEngine& engine, MainWindowHooks& mainWindow,
                   const std::string& fileName, const std::string& folder);

// True while the default catalog beside the program is the current one.
bool IsDefaultCatalog(const SessionState& state);

// "m Save Matches": runs the open search to its end so every match is in the matches file, then
// offers to show the file; with no search open the file is shown at once.
void SaveMatches(SessionState& state, SearchEngine& engine, platform::DialogServices& dialogs,
                 MainWindowHooks& mainWindow);

// Asks, then appends the current object to the current catalog. False when the observer
// declined or the catalog could not be written (the observer is told).
bool AddCurrentObject(SessionState& state, platform::DialogServices& dialogs);

// A new catalog's file name as typed, with the extension ".TLV" (MYOBJ -> MYOBJ.TLV,
// MYOBJ.TXT -> MYOBJ.TLV, myobj.tlv unchanged).
std::string NewCatalogFileName(const std::string& typed);

}  // namespace talvo
