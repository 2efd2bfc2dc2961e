// The telescope options of the session.
#pragma once

namespace talvo {

struct ScopeSettings {
    // Epoch (year) of the coordinates sent to the telescope and shown in real time:
    // -1 (any value <= 0 but 0) the telescope precesses itself, coordinates of date are used;
    // 0 not yet decided; otherwise a year from 1900 to 2200 (2000 for J2000 telescopes).
    double fixedEpoch = 0.0;

    // Default faintest magnitude of searches; 90 or more means none.
    double defaultMagnitudeLimit = 100.0;

    // "Ignore Invalid Catalog Entries": searches skip non-existent objects and single stars of
    // deep-sky catalogs.
    bool ignoreInvalidEntries = true;
};

}  // namespace talvo
