// Choosing the current catalog, and the names of new catalogs.
#pragma once

#include <string>

#include "catalog/search_engine.h"
#include "platform/atomic_file.h"
#include "session/session_state.h"

namespace talvo {

// The default catalog's file name; it is shipped in the data folder, and an observer's copy in
// the writable folder takes its place.
inline constexpr const char* kDefaultCatalog = "FULL.TLV";

// Makes the file the current catalog: the search is reset and the catalog flag read. False
// when the file cannot be opened (the search state stays reset).
[[nodiscard]] bool SelectCatalog(SessionState& state, SearchEngine& engine, const std::string& fileName,
                                 const std::string& folder);

// True while the default catalog (of the writable or the data folder) is the current one.
bool IsDefaultCatalog(const SessionState& state);

// Makes the current catalog one that entries can be appended to. A catalog of the data folder
// (shipped with TALVO, read-only once installed) is copied to the writable folder first, and
// the copy becomes the current catalog; from then on it is found before the shipped one. An
// observer's copy already in the writable folder is taken as it is, never replaced. Nothing is
// done for a catalog of any other folder, or when both folders are one. On failure the current
// catalog is unchanged and the result carries the system's reason.
[[nodiscard]] platform::FileWriteStatus UseWritableCatalog(SessionState& state);

// A new catalog's file name as typed, with the extension ".TLV" (MYOBJ -> MYOBJ.TLV,
// MYOBJ.TXT -> MYOBJ.TLV, myobj.tlv unchanged).
std::string NewCatalogFileName(const std::string& typed);

}  // namespace talvo
