#include "app/startup.h"

#include "catalog/catalog_reader.h"
#include "engine/constellations.h"
#include "platform/data_dirs.h"
#include "platform/file_append.h"
#include "platform/program_dir.h"
#include "platform/sky_chart.h"

namespace talvo {

namespace {

// Says where the default catalog was looked for when it cannot be read; empty when it can.
std::string DefaultCatalogProblem(const SessionState& state) {
    CatalogReader reader;
    if (reader.Open(CatalogPath(state.catalogFolder, state.catalogFileName))) return {};
    std::string where = state.catalogFolder.empty() ? "the working directory" : state.catalogFolder;
    if (!state.dataDir.empty() && state.dataDir != state.catalogFolder) where += " and " + state.dataDir;
    return "CANNOT OPEN CATALOG " + state.catalogFileName + " (looked for in " + where + ")";
}

std::string StartupHint() {
    if (platform::SkyChartDirectory().empty()) {
        return "Hint: If you install the 'Skycharts' program (see documentation), you can get an 'instant "
               "skychart' of any selected object.";
    }
    return "Hint: You can now invoke many functions quickly, using the keyboard shortcuts displayed on keys. "
           "This is especially helpful when running TALVO on a Tablet.";
}

}  // namespace

SessionStart StartSession(SessionState& state, const platform::TimeZone& zone) {
    SessionStart start;
    platform::IgnoreFileSizeSignal();
    const platform::DataDirs dirs = platform::ProgramDataDirs();
    state.appDir = dirs.appDir;
    state.dataDir = dirs.dataDir;
    start.programDirFound = !state.appDir.empty();
    state.transientDir = state.appDir + "TransientCats/";
    // The transient folder usually exists already; without it only transient catalogs are missing.
    if (start.programDirFound) static_cast<void>(platform::EnsureDirectory(state.transientDir));
    // The default catalog is the observer's copy when there is one, else the shipped one.
    state.catalogFolder = platform::ReadableFolder(state.appDir, state.dataDir, state.catalogFileName);

    BuildConstellationTable();

    // No home location file is read yet, so the site stays at its defaults; the zone and the
    // date order are decided as after a load of one.
    ApplySystemTimeZone(state, zone);
    ApplyDateOrder(state);

    start.status = DefaultCatalogProblem(state);
    if (start.status.empty()) start.status = StartupHint();
    return start;
}

}  // namespace talvo
