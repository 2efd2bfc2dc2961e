// The columns of a catalog line, 1-based and inclusive as the file format counts them.
//
//   names         1-12, 13-24, 25-36, 37-48, 49-60 (a long name reads 24 columns from 49)
//   right ascension 61-69   decimal hours, the point in column 63 (" 5.5880")
//   declination   70-78     signed decimal degrees ("-5.3900")
//   (blank)       79-87
//   flag          88        "T"/"t" a transient position; on the first line, the catalog's flag
//   magnitude     89-96     the point in column 91; blank or 99 when unknown
//   epoch         97-100    the year of the position; 0 or blank is 2000
//
// A Best-of-the-Sky planet line puts the body where the names are:
//   "!Planet="    1-8       the mark
//   body          9-10      the row of the solar-system list, 0 Sun ... 9 Pluto
//   altitude      13-14     the lowest altitude the body is offered at, degrees
//   size          25-26     the smallest apparent diameter it is offered at, arc-seconds
#pragma once

namespace talvo {

struct CatalogColumn {
    int first;  // 1-based
    int width;
};

inline constexpr int kLineLength = 100;  // lines TALVO writes are 100 characters and CR LF

inline constexpr CatalogColumn kNameColumn[5] = {{1, 12}, {13, 12}, {25, 12}, {37, 12}, {49, 12}};
inline constexpr CatalogColumn kRightAscensionColumn = {61, 9};
inline constexpr int kRightAscensionPoint = 63;
inline constexpr CatalogColumn kDeclinationColumn = {70, 9};
inline constexpr int kFlagColumn = 88;
inline constexpr CatalogColumn kMagnitudeColumn = {89, 8};
inline constexpr int kMagnitudePoint = 91;
inline constexpr CatalogColumn kEpochColumn = {97, 4};

inline constexpr CatalogColumn kPlanetMarkColumn = {1, 8};
inline constexpr const char* kPlanetMark = "!Planet=";
inline constexpr CatalogColumn kPlanetBodyColumn = {9, 2};
inline constexpr CatalogColumn kPlanetAltitudeColumn = {13, 2};
inline constexpr CatalogColumn kPlanetSizeColumn = {25, 2};

}  // namespace talvo
