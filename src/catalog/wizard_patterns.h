// What the search wizard turns its choices into: the names a search looks for, the texts that
// explain the search, and the constellations it offers for the sky of the moment.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/clock_state.h"
#include "engine/observer_site.h"

namespace talvo {

// The deep-sky kinds the wizard offers.
enum class DeepSkyKind { AnyKind, OpenClusters, Nebulae, Galaxies, Globulars, Planetaries, Quasars };

// True for a catalog whose entries carry their type as one of their names: the full catalogs,
// flag "F" or "M". Every entry of any other catalog is of one type.
bool NamesTypes(char catalogFlag);

// The first name that finds every object of `kind`: the type name ("Galaxy", "*Nebula") in a
// catalog that names types, else "*".
std::string DeepSkyFirstName(DeepSkyKind kind, bool namesTypes);

// The explanation of the search for every object of `kind`.
std::string DeepSkyGoLabel(DeepSkyKind kind);

// A constellation as the wizard tests it: at one point, right ascension in whole hours and
// declination in whole degrees, of the epoch of date. Hydra and Serpens have two points.
struct ConstellationPoint {
    const char* entry;  // abbreviation, a comma and the 12-character name: "CVn,CanesVenatic"
    int raHours;
    int decDegrees;
};

inline constexpr int kConstellationPoints = 90;
extern const std::array<ConstellationPoint, kConstellationPoints> kConstellationPointTable;

// A constellation counts as above the horizon when its point stands higher than this (degrees,
// apparent altitude).
inline constexpr double kVisibleConstellationAltitude = 5.0;

// The list entries, padded to 16 characters, of the constellations whose point stands above
// kVisibleConstellationAltitude for the site and the local sidereal time of `clock`; in table
// order, Hydra and Serpens possibly twice.
std::vector<std::string> VisibleConstellations(const ClockState& clock, const ObserverSite& site);

// The Greek letters, three characters each ("Alp", "Mu "), in the order of the alphabet.
extern const std::array<const char*, 24> kGreekLetters;

}  // namespace talvo
