#include "catalog/transient_maker.h"

#include <cmath>
#include <cstdio>

#include "catalog/catalog_file.h"

namespace talvo {

std::string TransientMomentName(int year, int month, int day, int hour, int minute, bool perMinute) {
    char name[40];
    if (perMinute) {
        std::snprintf(name, sizeof name, "%02d%02d%02d%02d%04d", month, day, hour, minute, year);
    } else {
        std::snprintf(name, sizeof name, "%02d%02d %02d %04d", month, day, hour, year);
    }
    return name;
}

std::vector<std::string> MakeTransientLines(const ElementsEntry& object, const TransientSpan& span) {
    std::vector<std::string> lines;
    const double first = CalendarJulianDate(span.year, span.month, span.day);
    const std::string name = object.name.size() > 24 ? object.name.substr(0, 24) : object.name;
    for (int i = 0; i < span.steps; ++i) {
        const long long minutes =
            static_cast<long long>(i) * (span.perMinute ? 1 : 60);  // since the first line
        const MinorBodyPlace place =
            LocateMinorBody(object.body, first + static_cast<double>(minutes) / 1440.0);
        const CalendarDate date =
            CalendarOf(first + static_cast<double>(minutes / 1440));  // at 0 h: a whole day
        const int minuteOfDay = static_cast<int>(minutes % 1440);
        const std::array<std::string, 5> names = {
            TransientMomentName(date.year, date.month, static_cast<int>(std::lround(date.day)),
                                minuteOfDay / 60, minuteOfDay % 60, span.perMinute),
            name.substr(0, 12), name.size() > 12 ? name.substr(12) : "", "",
            object.body.comet ? "Comet" : "Asteroid"};
        const double magnitude = std::fmax(-99.0, std::fmin(99.0, place.magnitude));
        lines.push_back(FormatCatalogLine(names, place.raHours, place.decDegrees, magnitude, 2000.0,
                                          span.perMinute ? 't' : 'T'));
    }
    return lines;
}

}  // namespace talvo
