#include "app/startup.h"

#include "engine/constellations.h"
#include "platform/file_append.h"
#include "platform/program_dir.h"

namespace talvo {

bool StartSession(SessionState& state, const platform::TimeZone& zone) {
    platform::IgnoreFileSizeSignal();
    state.appDir = platform::ProgramDirectory();
    bool found = !state.appDir.empty();
    state.transientDir = state.appDir + "TransientCats/";
    // The transient folder usually exists already; without it only transient catalogs are missing.
    if (found) static_cast<void>(platform::EnsureDirectory(state.transientDir));
    state.catalogFolder = state.appDir;  // the default catalog lives beside the program

    BuildConstellationTable();

    // No home location file is read yet, so the site stays at its defaults; the zone and the
    // date order are decided as after a load of one.
    ApplySystemTimeZone(state, zone);
    ApplyDateOrder(state);
    return found;
}

}  // namespace talvo
