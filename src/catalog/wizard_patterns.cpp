#include "catalog/wizard_patterns.h"

#include "engine/coordinates.h"
#include "engine/current_object.h"

namespace talvo {

namespace {

constexpr std::size_t kEntryWidth = 16;  // "Cam,Camelopardal" is the longest entry

struct DeepSkyTexts {
    const char* typeName;  // the name every entry of the kind carries in a full catalog
    const char* goLabel;
};

// In the order of DeepSkyKind.
constexpr std::array<DeepSkyTexts, 7> kDeepSky{{
    {"*", "Search for All Objects Above Minimum Elevation, Else Select Constellation"},
    {"Open Cluster", "Search for All Open Clusters Above Minimum Elevation, Else Select Constellation"},
    {"*Nebula", "Search for All Nebulae Above Minimum Elevation, Else Select Constellation"},
    {"Galaxy", "Search for All Galaxies Above Minimum Elevation, Else Select Constellation"},
    {"Globular", "Search for All Globulars Above Minimum Elevation, Else Select Constellation"},
    {"Planetary", "Search for All Planetaries Above Minimum Elevation, Else Select Constellation"},
    {"Quasar", "Search for All Quasars Above Minimum Elevation, Else Select Constellation"},
}};

const DeepSkyTexts& TextsOf(DeepSkyKind kind) { return kDeepSky[static_cast<std::size_t>(kind)]; }

}  // namespace

const std::array<ConstellationPoint, kConstellationPoints> kConstellationPointTable{{
    {"And,Andromeda", 0, 30},      {"Aqr,Aquarius", 22, 0},       {"Aql,Aquila", 19, 0},
    {"Ant,Antlia", 10, -30},       {"Ara,Ara", 17, -46},          {"Ari,Aries", 2, 12},
    {"Aps,Apus", 17, -70},         {"Aur,Auriga", 6, 30},         {"Boo,Bootes", 15, 10},
    {"Cae,Caelum", 5, -30},        {"Cam,Camelopardal", 5, 57},   {"Cnc,Cancer", 9, 10},
    {"CVn,CanesVenatic", 13, 32},  {"CMa,CanisMajor", 7, -12},    {"CMi,CanisMinor", 8, 0},
    {"Cap,Capricornus", 21, -15},  {"Car,Carina", 10, -60},       {"Cas,Cassiopeia", 1, 50},
    {"Cen,Centaurus", 13, -30},    {"Cep,Cepheus", 22, 60},       {"Cet,Cetus", 1, 0},
    {"Cha,Chamaeleon", 11, -80},   {"Cir,Circinus", 15, -56},     {"Col,Columba", 6, -30},
    {"Com,ComaBerenice", 13, 15},  {"CrA,CoronaAustra", 19, -38}, {"CrB,CoronaBoreal", 16, 27},
    {"Crv,Corvus", 12, -15},       {"Crt,Crater", 11, -10},       {"Cru,Crux", 12, -57},
    {"Cyg,Cygnus", 20, 30},        {"Del,Delphinus", 21, 5},      {"Dor,Dorado", 4, -50},
    {"Dra,Draco", 18, 50},         {"Equ,Equuleus", 21, 5},       {"Eri,Eridanus", 4, 0},
    {"For,Fornax", 3, -25},        {"Gem,Gemini", 7, 13},         {"Gru,Grus", 22, -38},
    {"Her,Hercules", 17, 15},      {"Hya,Hydra", 9, 0},           {"Hya,Hydra", 14, -25},
    {"Hor,Horologium", 4, -45},    {"Hyi,Hydrus", 2, -60},        {"Ind,Indus", 21, -47},
    {"Lac,Lacerta", 22, 38},       {"Leo,Leo", 11, 10},           {"LMi,LeoMinor", 10, 30},
    {"Lep,Lepus", 6, -15},         {"Lib,Libra", 15, -10},        {"Lup,Lupus", 15, -30},
    {"Lyn,Lynx", 8, 35},           {"Lyr,Lyra", 19, 30},          {"Men,Mensa", 5, -70},
    {"Mic,Microscopium", 21, -30}, {"Mon,Monoceros", 7, 0},       {"Mus,Musca", 13, -65},
    {"Nor,Norma", 14, -45},        {"Oct,Octans", 20, -80},       {"Oph,Ophiuchus", 17, 0},
    {"Ori,Orion", 5, 0},           {"Pav,Pavo", 19, -60},         {"Peg,Pegasus", 23, 10},
    {"Per,Perseus", 4, 35},        {"Phe,Phoenix", 1, -40},       {"Pic,Pictor", 6, -50},
    {"Psc,Pisces", 0, 0},          {"PsA,PiscisAustri", 22, -30}, {"Pup,Puppis", 8, -20},
    {"Pyx,Pyxis", 9, -25},         {"Ret,Reticulum", 4, -58},     {"Sge,Sagitta", 20, 20},
    {"Sgr,Sagittarius", 19, -20},  {"Sco,Scorpius", 16, -25},     {"Scl,Sculptor", 0, -30},
    {"Sct,Scutum", 19, -10},       {"Ser,Serpens", 16, 0},        {"Ser,Serpens", 18, 0},
    {"Sex,Sextans", 10, 0},        {"Tau,Taurus", 4, 15},         {"Tel,Telescopium", 19, -50},
    {"Tri,Triangulum", 2, 30},     {"TrA,TriangulumAu", 16, -60}, {"Tuc,Tucana", 0, -60},
    {"UMa,UrsaMajor", 12, 35},     {"UMi,UrsaMinor", 15, 70},     {"Vel,Vela", 9, -45},
    {"Vir,Virgo", 13, 0},          {"Vol,Volans", 8, -75},        {"Vul,Vulpecula", 20, 25},
}};

const std::array<const char*, 24> kGreekLetters{"Alp", "Bet", "Gam", "Del", "Eps", "Zet", "Eta", "The",
                                                "Iot", "Kap", "Lam", "Mu ", "Nu ", "Xi ", "Omi", "Pi ",
                                                "Rho", "Sig", "Tau", "Ups", "Phi", "Chi", "Psi", "Ome"};

bool NamesTypes(char catalogFlag) { return catalogFlag == 'F' || catalogFlag == 'M'; }

std::string DeepSkyFirstName(DeepSkyKind kind, bool namesTypes) {
    return namesTypes ? TextsOf(kind).typeName : "*";
}

std::string DeepSkyGoLabel(DeepSkyKind kind) { return TextsOf(kind).goLabel; }

std::vector<std::string> VisibleConstellations(const ClockState& clock, const ObserverSite& site) {
    std::vector<std::string> visible;
    for (const ConstellationPoint& point : kConstellationPointTable) {
        CurrentObject probe;
        probe.present = 1;
        StorePosition(probe, point.raHours, point.decDegrees);
        if (CalcAltAz(probe, site.latitude, clock.localSiderealTime) > kVisibleConstellationAltitude) {
            std::string entry = point.entry;
            entry.resize(kEntryWidth, ' ');
            visible.push_back(entry);
        }
    }
    return visible;
}

}  // namespace talvo
