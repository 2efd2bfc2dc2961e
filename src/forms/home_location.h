// Loading and saving the home location file: the observer's site and options between runs.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "forms/dialog_services.h"
#include "platform/time_zone.h"
#include "session/session_state.h"

namespace talvo {

inline constexpr const char* kDefaultHomeFileName = "TALVO.HOM";

// Shows the home file's name in the main window (its `Location` label).
using ShowLocation = std::function<void(const std::string& homeFileName)>;

enum class HomeLoadStatus {
    Loaded,
    Unreadable,  // missing, unreadable, or too long to be a home file
    Malformed,   // ends before field 12, a field of 1 to 11 has an unknown tag or a value out of range
};

struct HomeLoad {
    HomeLoadStatus status = HomeLoadStatus::Unreadable;
    // The first-use date the file holds (field 13); nothing when it has none.
    std::optional<double> firstUseDate;
    // For the observer when the load failed: "Unable to read Home Location file ...".
    std::string message;

    bool Loaded() const { return status == HomeLoadStatus::Loaded; }
    // A first run: the file holds no first-use date, or one below kFirstUseUnset. The caller
    // opens the options window with kFirstRunMessage, sets the date and saves.
    bool FirstRun() const { return Loaded() && (!firstUseDate || *firstUseDate < kFirstUseUnset); }
};

inline constexpr const char* kFirstRunMessage =
    "Make telescope selection and Com port selection. Then save options to avoid seeing this again";

// Reads homeFileName (from appDir when it is there, else from dataDir) and applies it: the site and its
// display fields, the system's UTC offset and zone letters, the colours, the telescope options (through the
// model rules, whose questions go through `dialogs`, unless it is a first run, which clears scopeHasGps), the
// default magnitude limit and the date order; configDirty is set for a file older than version
// 12 or one whose ignore-invalid value is 0, cleared otherwise; `showLocation` gets the name.
// On failure nothing of the state changes and the result carries the message.
[[nodiscard]] HomeLoad LoadHomeFile(SessionState& state, const platform::TimeZone& zone,
                                    DialogServices& dialogs, const ShowLocation& showLocation);

struct HomeSave {
    bool ok = false;
    // For the observer when the save failed: "Unable to Write Home Location file ...".
    std::string message;
};

// The name a home file is saved under: when its last four characters, in upper case, are not
// ".HOM", they are replaced by ".HOM" if the fourth from the end is ".", or ".HOM" is appended
// (SITE.TXT and SITE give SITE.HOM; site.hom stays).
[[nodiscard]] std::string NormaliseHomeFileName(const std::string& name);

// Normalises homeFileName (the state keeps the normalised name) and replaces appDir + that name
// whole with the session's values; `showLocation` gets the name. On failure the old file stays
// as it was and the result carries the message with the system's reason. configDirty is the
// caller's.
[[nodiscard]] HomeSave SaveHomeFile(SessionState& state, const ShowLocation& showLocation);

}  // namespace talvo
