// The texts of the main window's clock, site and position fields. Texts are in the program's
// code page: the degree sign is character 176.
#pragma once

#include <string>

#include "engine/clock_state.h"
#include "engine/current_object.h"
#include "engine/observer_site.h"

namespace talvo {

// "21:05:09  EST": the local time and the zone letters.
std::string TimeText(const ClockState& clock);

// "06-12-2026", or "12-06-2026" when the site uses the month-day-year order.
std::string DateText(const ClockState& clock);

// "UTC   =  02:30:00 +": UT with its day mark (" ", "+" next day, "-" previous day).
std::string GmtText(const ClockState& clock);

// "Sidereal Time =  01:31:46".
std::string SiderealTimeText(const ClockState& clock);

// " 40° 30.0'  N" and " 74° 15.0'  W": degrees without sign, minutes, hemisphere.
std::string LatitudeText(const ObserverSite& site);
std::string LongitudeText(const ObserverSite& site);

// " 5h 35.28m": the right ascension as the window shows it (minutes never 60).
std::string RaText(const CurrentObject& object);

// "-5° 23.4'": the declination as the window shows it.
std::string DecText(const CurrentObject& object);

// " 2027 R.A. =  5h 35.28m"; for the Moon "Topocentric R.A. =  5h 35.28m". `targetEpoch` is
// the epoch positions are presented in.
std::string RightAscText(const CurrentObject& object, double targetEpoch);

// "Dec = -5° 23.4'"; a declination between 0 and -1 degree shows "Dec = -0° 20.0'".
std::string DeclinationText(const CurrentObject& object);

// "Altitude = 41° 07'"; between 0 and -1 degree "Altitude = -00° 30'".
std::string AltitudeText(const CurrentObject& object);

// "Azimuth = 137° 09'  (SE)"; no compass point below the horizon.
std::string AzimuthText(const CurrentObject& object);

// The object's description fields. For the Sun, the Moon and the planets they show the body's
// figures instead of catalog names:
//   Magnitude    "Mag = 4.5" (catalog), "Constellation= Virgo" (Moon), empty (Sun, planets)
//   Name1        "Name = Jupiter     ", or "Long Name= Omega Cen   " for a catalog object that a
//                long-name search found (`longName`)
//   Name2label   "Distance= 4.321 AU" (Sun, planets), "Phase= Wax Cres" (Moon), "Name2 = ..."
//   name3label   "Elongation=  45° Evening" (Moon, planets), "Elongation= 0" (Sun), "Name3 = ..."
//   Name4label   "Dist = 384,401.0 km " (Moon), "Constellation= Gemini" (Sun, planets), "Name4 = ..."
//   Name5Label   "Size= 32.5'" (Sun), "Size= 31.2'  1.02x avg" (Moon), "Size= 41.23\"" (planets)
std::string MagnitudeText(const CurrentObject& object);
std::string Name1Text(const CurrentObject& object, bool longName);
std::string Name2Text(const CurrentObject& object);
std::string Name3Text(const CurrentObject& object);
std::string Name4Text(const CurrentObject& object);
std::string Name5Text(const CurrentObject& object);

// An object of a transient catalog (UT, Object, Elongation and Object Type in place of the names):
//   Name1        "UT = 1206 02 2026": the moment of the position, name 1 of its line
//   Name2label   "Object = C/2025 A1": name 2, or for a catalog file name longer than
//                kLongCatalogFileName characters that name without its extension, in lower case
//   name3label   "Elongation=  45°": the angular distance from the Sun (elongationText)
//   Name5Label   "Object Type = Comet"
std::string TransientObjectText(const CurrentObject& object, const std::string& catalogFileName);
inline constexpr std::size_t kLongCatalogFileName = 16;

// A body's distance from the Earth as Name2label shows it after "Distance= ": "4.321 AU".
std::string DistanceText(const CurrentObject& object);

// "NextRise = 18:02  ", "NextTransit = 23:41    31.6°", "Sets At = 05:20 +".
std::string RiseTimeText(const CurrentObject& object);
std::string TransitTimeText(const CurrentObject& object);
std::string SetTimeText(const CurrentObject& object);

// The compass point of an azimuth in degrees: "(N)", "(NNE)", ... "(NNW)".
std::string CompassPoint(double azimuthDegrees);

}  // namespace talvo
