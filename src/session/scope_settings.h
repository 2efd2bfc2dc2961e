// The telescope options of the session: which GoTo telescope is attached and on which serial
// ports, the telescope's epoch, and the search limits its size and the sky give.
#pragma once

namespace talvo {

inline constexpr int kNoGotoModel = 10000;  // scopeModel when no GoTo telescope is attached
// gpsPort when the fix comes from gpsd, the GPS service, rather than a serial port (its TCP port
// number: no COM number is that high). The home file keeps it as it keeps a COM number.
inline constexpr int kGpsdSource = 2947;

struct ScopeSettings {
    // Model code of the options window's telescope list (101 to 501), or kNoGotoModel.
    int scopeModel = kNoGotoModel;
    // Protocol family 0 to 5: 0 none, 1 NexStar hex commands, 2 and 3 the binary commands of the
    // first NexStar generation (3 also the StarGuide), 4 LX200 family, 5 through the sky chart.
    int scopeType = 0;
    // Serial ports as COM numbers 1 to 64; 0 when none is chosen; gpsPort may be kGpsdSource.
    int scopePort = 0;
    int gpsPort = 0;
    bool scopeHasGps = false;
    bool autostarHandbox = false;  // Meade family with an Autostar-type handbox (402, 406)

    // Epoch (year) of the coordinates sent to the telescope and shown in real time:
    // -1 (any value <= 0 but 0) the telescope precesses itself, coordinates of date are used;
    // 0 not yet decided; otherwise a year from 1900 to 2200 (2000 for J2000 telescopes).
    double fixedEpoch = 0.0;

    int sizeClass = 0;  // row of the telescope size list, 0 to 10
    int skyClass = 0;   // row of the sky list: 0 rural, 1 suburban, 2 urban

    // Default faintest magnitude of searches; 90 or more means none.
    double defaultMagnitudeLimit = 100.0;

    // "Ignore Invalid Catalog Entries": 1 checked, -1 not, as the home file stores it; the
    // boolean twin is what searches test (skip non-existent objects and single stars of deep-sky
    // catalogs).
    int ignoreInvalidEntries = 1;
    bool ignoreInvalid = true;
};

}  // namespace talvo
