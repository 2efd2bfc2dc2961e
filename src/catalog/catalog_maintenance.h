// Choosing the current catalog, and the names of new catalogs.
#pragma once

#include <string>

#include "catalog/search_engine.h"
#include "session/session_state.h"

namespace talvo {

// The default catalog's file name; it lives in the program directory.
inline constexpr const char* kDefaultCatalog = "FULL.TLV";

// Makes the file the current catalog: the search is reset and the catalog flag read. False
// when the file cannot be opened (the search state stays reset).
[[nodiscard]] bool SelectCatalog(SessionState& state, SearchEngine& engine, const std::string& fileName,
                                 const std::string& folder);

// True while the default catalog beside the program is the current one.
bool IsDefaultCatalog(const SessionState& state);

// A new catalog's file name as typed, with the extension ".TLV" (MYOBJ -> MYOBJ.TLV,
// MYOBJ.TXT -> MYOBJ.TLV, myobj.tlv unchanged).
std::string NewCatalogFileName(const std::string& typed);

}  // namespace talvo
