// The object the main window follows.
#pragma once

namespace talvo {

// Position fields hold right ascension and declination in the target epoch, split for display.
// Altitude and azimuth are apparent (refraction included); azimuth is measured from north
// through east (N 0, E 90, S 180, W 270).
struct CurrentObject {
    int present = 0;       // nonzero when an object is selected
    int planetIndex = -1;  // -1 catalog or typed object; 0-9 the solar-system list rows

    int raHours = 0;          // whole hours of right ascension
    double raMinutes = 0.0;   // minutes of time with fraction
    int decDegrees = 0;       // whole degrees of declination, toward zero (-0.5 deg has 0)
    double decMinutes = 0.0;  // arc-minutes with fraction, never negative
    int decSign = 1;          // -1 only when the declination is negative and decDegrees is 0
    double epoch = 2000.0;    // year the position refers to

    double altitude = 0.0;         // degrees, apparent
    double altitudeMinutes = 0.0;  // arc-minutes of the altitude, never negative
    double azimuth = 0.0;          // degrees, 0 <= azimuth < 360
    double azimuthMinutes = 0.0;   // 60 x fraction of the azimuth
    double refraction = 0.0;       // arc-minutes applied by the last conversion (0 when none)
    double meridianAltitude = 0.0; // degrees at upper transit, from whole degrees of declination
};

}  // namespace talvo
