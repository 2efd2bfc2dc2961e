// The object the main window follows.
#pragma once

#include <string>

namespace talvo {

// Position fields hold right ascension and declination in the target epoch, split for display.
// Altitude and azimuth are apparent (refraction included); azimuth is measured from north
// through east (N 0, E 90, S 180, W 270).
struct CurrentObject {
    int present = 0;       // nonzero when an object is selected
    int planetIndex = -1;  // -1 catalog or typed object; 0-9 the solar-system list rows; 100
                           // an asteroid and 200 a comet of a transient catalog

    std::string name1, name2, name3, name4, name5;  // a body's name1 is padded to 12 characters
    std::string magnitudeText = "99";               // as the catalog gives it; 99 or more: none

    bool notInCatalog = true;        // not (yet) a line of the current catalog
    bool transientCatalog = false;   // from a transient catalog: re-selected as time goes on
    bool nearEarthObject = false;    // a transient object re-selected every 10 seconds
    bool transientPosition = false;  // the catalog line is marked "T" in column 88
    double transitAltitude = 0.0;    // 90 - |declination - latitude| of the catalog line, degrees

    int raHours = 0;          // whole hours of right ascension
    double raMinutes = 0.0;   // minutes of time with fraction
    int decDegrees = 0;       // whole degrees of declination, toward zero (-0.5 deg has 0)
    double decMinutes = 0.0;  // arc-minutes with fraction, never negative
    int decSign = 1;          // -1 only when the declination is negative and decDegrees is 0
    double epoch = 2000.0;    // year the position refers to

    double altitude = 0.0;          // degrees, apparent
    double altitudeMinutes = 0.0;   // arc-minutes of the altitude, never negative
    double azimuth = 0.0;           // degrees, 0 <= azimuth < 360
    double azimuthMinutes = 0.0;    // 60 x fraction of the azimuth
    double refraction = 0.0;        // arc-minutes applied by the last conversion (0 when none)
    double meridianAltitude = 0.0;  // degrees at upper transit, from whole degrees of declination

    // Rise, transit and set: caption and value of each field (local clock times "hh:mm" and a
    // day marker "  ", " +" or " -").
    std::string riseLabel, riseText, transitLabel, transitText, setLabel, setText;

    // The Sun, the Moon and the planets.
    std::string constellation;              // 12-character name
    std::string constellationAbbreviation;  // "Vir"
    double distanceAU = 0.0;                // Sun and planets, astronomical units
    double raDecimalHours = 0.0;            // a planet's right ascension for the equinox 2000, hours
    float moonDistanceKm = 0.0f;            // topocentric, kilometres
    float moonDiameter = 0.0f;              // apparent, arc-minutes
    double phaseAngle = 0.0;                // the Moon's longitude minus the Sun's, degrees 0-360
    double elongation = 0.0;                // angle from the Sun along the ecliptic, degrees 0-180
    std::string phaseName;                  // 8 characters: "  New   ", "Wax Cres", ...
    std::string elongationText;             // 12 characters: " 45", degree sign, " Evening"
    std::string elongationDegrees;          // whole degrees as text, " 45"
};

// planetIndex of a position taken from a transient catalog.
inline constexpr int kTransientAsteroid = 100;
inline constexpr int kTransientComet = 200;

inline bool IsTransientObject(const CurrentObject& object) {
    return object.planetIndex == kTransientAsteroid || object.planetIndex == kTransientComet;
}

}  // namespace talvo
